#pragma once

#include <windows.h>

#include <atomic>

#include "email/win/DlgZeSablony.h"

// "O aplikaci": the application's icon, product name, version from the version resource, the maker's web address
// as a link and the credits of the icon set. One at a time in the process: a second request brings the open one
// to the front.
class DlgOAplikaci : private Holvent::Email::DlgZeSablony {
public:
    enum Id : int { kIdIkona = 1001, kIdNazev = 1002, kIdVerze = 1003, kIdOdkaz = 1004, kIdPodekovani = 1005 };

    // Returns when the dialog closes (at once when another is open).
    static void Zobrazit(HWND vlastnik);
    // Opens a web address in the user's browser; a failure is told in a message box over okno.
    static void OtevritOdkaz(HWND okno, const wchar_t* adresa);

    DlgOAplikaci(const DlgOAplikaci&) = delete;
    DlgOAplikaci& operator=(const DlgOAplikaci&) = delete;
    ~DlgOAplikaci() override;

private:
    DlgOAplikaci() = default;
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void Inicializovat(HWND okno);

    HWND okno_ = nullptr;
    HICON ikona_ = nullptr;
    HFONT velkePismo_ = nullptr;
    static std::atomic<HWND> otevreny_;
};
