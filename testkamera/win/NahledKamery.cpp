// TervikNahledKamery.exe: shows the first test camera in a plain window.
#include <windows.h>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Zdroje.h"
#include "testkamera/win/OknoNahledu.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Knihovna::WinApi::ApartmanCom com;
    TestovaciKamera::OknoNahledu okno;
    try {
        okno.Otevrit();
    } catch (const Knihovna::Chyba& chyba) {
        const std::wstring text = Knihovna::Formatovat(L"Náhled testovací kamery se nepodařilo spustit.\n\nChyba: %s",
                                                       Knihovna::WinApi::PopisChyby(chyba).c_str());
        ::MessageBoxW(okno.Hwnd(), text.c_str(), L"Testovací kamera Tervik", MB_OK | MB_ICONERROR);
        if (okno.Hwnd()) ::DestroyWindow(okno.Hwnd());
        return 1;
    }
    MSG zprava;
    while (::GetMessageW(&zprava, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&zprava);
        ::DispatchMessageW(&zprava);
    }
    return 0;
}
