#pragma once

#include <windows.h>

namespace TestovaciKamera {

// The DLL's own state: its handle and the live COM objects and server locks that keep it loaded.
class ModulKamery {
public:
    static HINSTANCE Instance();
    static void NastavitInstanci(HINSTANCE instance);
    static void PridatObjekt();
    static void OdebratObjekt();
    static void Zamknout(bool zamknout);
    // Live objects plus locks; 0 when DllCanUnloadNow may say yes.
    static long Pouzivani();
};

}  // namespace TestovaciKamera
