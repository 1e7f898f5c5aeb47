#include "video/win/EditorPrxSouboru.h"

#include "app/PolozkyHlavnihoOkna.h"
#include "app/win/MenuHlavnihoOkna.h"
#include "camera/AktivityKamery.h"
#include "video/win/DlgEditorPrxSouboru.h"

EditorPrxSouboru::EditorPrxSouboru(HWND hlavniOkno, std::function<std::wstring()> vyzvednoutSoubor)
    : OknoAplikace(COLOR_BTNFACE), hlavniOkno_(hlavniOkno), vyzvednoutSoubor_(std::move(vyzvednoutSoubor)) {}

EditorPrxSouboru::~EditorPrxSouboru() = default;

void EditorPrxSouboru::Vytvorit(const std::wstring& titulek) {
    HMENU lista = ::CreateMenu();
    HMENU soubor = ::CreatePopupMenu();
    ::AppendMenuW(soubor, MF_STRING, kOtevrit, L"&Otevřít...");
    ::AppendMenuW(soubor, MF_STRING | MF_GRAYED, kUlozit, L"&Uložit");
    ::AppendMenuW(soubor, MF_STRING | MF_GRAYED, kUlozitJako, L"Uložit &jako...");
    ::AppendMenuW(soubor, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(soubor, MF_STRING, kKonec, L"&Konec");
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(soubor), L"&Soubor");
    // The common help commands are the main window's; without one (a camera in its own process) they are greyed.
    HMENU napoveda = MenuHlavnihoOkna::Vytvorit(PolozkyHlavnihoOkna::kMenuNapoveda);
    for (int i = 0, n = ::GetMenuItemCount(napoveda); i < n; ++i) {
        const UINT prikaz = MenuHlavnihoOkna::PrikazPolozky(napoveda, static_cast<UINT>(i));
        if (prikaz && (!hlavniOkno_ || PolozkyHlavnihoOkna::NedostupnyPrikaz(prikaz)))
            ::EnableMenuItem(napoveda, prikaz, MF_BYCOMMAND | MF_GRAYED);
    }
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(napoveda), L"&Nápověda");

    Okno::Vytvorit(L"Tervik4EditorPrx", titulek, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                   CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, lista);
    dialog_ = std::make_unique<DlgEditorPrxSouboru>([this](bool nacten) { NastavitUlozeni(nacten); });
    dialog_->Vytvorit(Hwnd());
    ObnovitUmisteni();
    // The window takes the dialog's size wherever it stood last time.
    const SIZE velikost = dialog_->VelikostRamce(Hwnd());
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, velikost.cx, velikost.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
    ::PostMessageW(Hwnd(), kZpravaOtevritPrx, 0, 0);
}

void EditorPrxSouboru::Otevrit(const std::wstring& cesta) {
    if (dialog_) dialog_->Otevrit(cesta);
}

void EditorPrxSouboru::NastavitUlozeni(bool povolit) {
    HMENU menu = ::GetMenu(Hwnd());
    if (!menu) return;
    for (UINT prikaz : {kUlozit, kUlozitJako})
        ::EnableMenuItem(menu, prikaz, MF_BYCOMMAND | (povolit ? MF_ENABLED : MF_GRAYED));
}

bool EditorPrxSouboru::Prikaz(UINT prikaz) {
    switch (prikaz) {
    case kOtevrit: dialog_->Vybrat(); return true;
    case kUlozit: dialog_->Ulozit(); return true;
    case kUlozitJako: dialog_->UlozitKopii(); return true;
    case kKonec: ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0); return true;
    }
    if (prikaz >= 40003 && prikaz <= 40007) {
        if (hlavniOkno_ && ::IsWindow(hlavniOkno_)) ::PostMessageW(hlavniOkno_, WM_COMMAND, prikaz, 0);
        return true;
    }
    return false;
}

LRESULT EditorPrxSouboru::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_COMMAND:
        if (lp == 0 && Prikaz(LOWORD(wp))) return 0;
        // A dialog key's command (Enter gives IDOK) is the dialog's.
        if (dialog_ && dialog_->Hwnd()) return ::SendMessageW(dialog_->Hwnd(), WM_COMMAND, wp, lp);
        break;
    case WM_SETFOCUS:
        if (dialog_ && dialog_->Hwnd()) {
            ::SetFocus(dialog_->Hwnd());
            return 0;
        }
        break;
    case kZpravaOtevritPrx: {
        const std::wstring cesta = vyzvednoutSoubor_ ? vyzvednoutSoubor_() : std::wstring();
        if (cesta.empty()) return 0;
        if (::IsIconic(Hwnd())) ::ShowWindow(Hwnd(), SW_RESTORE);
        ::SetForegroundWindow(Hwnd());
        Otevrit(cesta);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}
