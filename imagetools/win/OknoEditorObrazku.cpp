#include "imagetools/win/OknoEditorObrazku.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "app/PravidlaAktualizace.h"
#include "app/TextyZprav.h"
#include "app/win/AktualizaceAplikace.h"
#include "app/win/Aplikace.h"
#include "app/win/DlgOAplikaci.h"
#include "app/win/OknoHlavni.h"
#include "camera/AktivityKamery.h"
#include "camera/UpravySnimku.h"
#include "imagetools/RozmeryEditoru.h"
#include "imagetools/SouboryEditoru.h"
#include "imagetools/win/DlgZmenaVelikostiObrazku.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Dpi.h"
#include "knihovna/win/UnikatniHandle.h"
#include "resources/IdZdroju.h"
#include "resources/Obrazky.h"

using Knihovna::Chyba;
using Knihovna::Formatovat;
using namespace Holvent::Obrazky;

namespace {

// The editor's commands.
constexpr UINT kOtevrit = 40094, kZavrit = 40095, kKonec = 40096, kPrizpusobit = 40097, kUlozit = 40098,
               kUlozitJako = 40099, kSeda = 40100, kZmenaRozmeru = 40101, kInverze = 40105, kOtocitVpravo = 40106,
               kOtocitVlevo = 40107, kWeb = 40003, kPodpora = 40004, kAktualizace = 40005, kOAplikaci = 40006,
               kNapoveda = 40007;
// Own ids of the toolbar's zoom buttons (no menu items).
constexpr UINT kZvetsit = 40950, kZmensit = 40951;

constexpr UINT kIdPanelu = 1, kIdStavu = 2, kIdPohledu = 3;
constexpr int kSirkaCesty = 420, kSirkaRozmeru = 560;

constexpr const wchar_t* kAdresaPodpory = L"mailto:podpora@dunmarholvent.cz?subject=Tervik%204.8";

struct Polozka {
    UINT prikaz;
    const wchar_t* text;
};
constexpr Polozka kSoubor[] = {{kOtevrit, L"&Otevřít"}, {kUlozit, L"&Uložit"}, {kUlozitJako, L"Uložit &jako"},
                               {kZavrit, L"&Zavřít"},   {0, nullptr},          {kKonec, L"&Konec"}};
constexpr Polozka kUpravy[] = {{kZmenaRozmeru, L"Změna rozměrů"},
                               {kSeda, L"Převod na stupně šedé"},
                               {kInverze, L"Inverze barev (negativ)"},
                               {kOtocitVpravo, L"Otočit vpravo (o 90 stupňů)"},
                               {kOtocitVlevo, L"Otočit vlevo (o 90 stupňů)"}};
constexpr Polozka kZobrazit[] = {{kPrizpusobit, L"Přizpůsobit &oknu"}};
constexpr Polozka kPomoc[] = {{kWeb, L"&Webové stránky"}, {kPodpora, L"&Technická podpora"},
                              {kAktualizace, L"Vyhledat &aktualizace"}, {0, nullptr}, {kOAplikaci, L"&O aplikaci"}};

template <std::size_t N>
HMENU Podmenu(const Polozka (&polozky)[N]) {
    HMENU menu = ::CreatePopupMenu();
    for (const Polozka& p : polozky) ::AppendMenuW(menu, p.prikaz ? MF_STRING : MF_SEPARATOR, p.prikaz, p.text);
    return menu;
}

template <std::size_t N>
void Pridat(HMENU menu, const Polozka (&polozky)[N]) {
    for (const Polozka& p : polozky) ::AppendMenuW(menu, p.prikaz ? MF_STRING : MF_SEPARATOR, p.prikaz, p.text);
}

void Zobrazit(const std::wstring& text, const Chyba& chyba) {
    auto& app = Aplikace::Instance();
    app.ZobrazitChybu(TextyZprav::Chyba(text, app.PopisChybyCom(chyba)));
}

std::wstring Filtr() {
    std::wstring f = kFiltrObrazku;
    for (wchar_t& z : f)
        if (z == L'|') z = L'\0';
    return f;
}

}  // namespace

OknoEditorObrazku::OknoEditorObrazku() : OknoAplikace(COLOR_BTNFACE) {}

void OknoEditorObrazku::Vytvorit(const std::wstring& titulek) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    HMENU lista = ::CreateMenu();
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(Podmenu(kSoubor)), L"&Soubor");
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(Podmenu(kUpravy)), L"Úp&ravy");
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(Podmenu(kZobrazit)), L"&Zobrazit");
    auto& app = Aplikace::Instance();
    Okno::Vytvorit(kTrida, Formatovat(L"%s - %s", titulek.c_str(), app.Produkt().c_str()), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_ACCEPTFILES, CW_USEDEFAULT,
                   CW_USEDEFAULT, 800, 600, nullptr, lista);
    panel_.Vytvorit(Hwnd(), kIdPanelu, app.ObrazkyProDpi(Knihovna::WinApi::DpiOkna(Hwnd())),
                    {{static_cast<int>(kOtevrit), ::Obrazky::kOtevrit, BTNS_BUTTON, L"Otevřít"},
                     {static_cast<int>(kUlozit), ::Obrazky::kUlozit, BTNS_BUTTON, L"Uložit"},
                     {0, 0, BTNS_SEP, L""},
                     {static_cast<int>(kOtocitVlevo), ::Obrazky::kOtocitVlevo, BTNS_BUTTON, L"Otočit vlevo (o 90 stupňů)"},
                     {static_cast<int>(kOtocitVpravo), ::Obrazky::kOtocitVpravo, BTNS_BUTTON, L"Otočit vpravo (o 90 stupňů)"},
                     {0, 0, BTNS_SEP, L""},
                     {static_cast<int>(kPrizpusobit), ::Obrazky::kPrizpusobit, BTNS_CHECK, L"Přizpůsobit oknu"},
                     {static_cast<int>(kZmensit), ::Obrazky::kZmensit, BTNS_BUTTON, L"Zmenšit"},
                     {static_cast<int>(kZvetsit), ::Obrazky::kZvetsit, BTNS_BUTTON, L"Zvětšit"},
                     {0, 0, BTNS_SEP, L""},
                     {static_cast<int>(kOAplikaci), ::Obrazky::kOAplikaci, BTNS_DROPDOWN, L"O aplikaci"}});
    radek_.Vytvorit(Hwnd(), kIdStavu);
    radek_.NastavitCasti({kSirkaCesty, kSirkaRozmeru, -1});
    pohled_.Vytvorit(Hwnd(), kIdPohledu,
                     Formatovat(L"%s\n%s", app.Text(IdZdroju::kTextNazevEditoruObrazku).c_str(), app.Produkt().c_str()));
    pohled_.NastavitPrizpusobeni(app.NastaveniEditoru().prizpusobitOknu);
    ObnovitUmisteni();
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    Rozvrhnout();
    ObnovitStav();
    ::UpdateWindow(Hwnd());
}

void OknoEditorObrazku::NeosetrenaChyba(const Chyba& chyba) {
    auto& app = Aplikace::Instance();
    app.HlasitFatalniChybu(TextyZprav::ChybaBehuModulu(app.Text(IdZdroju::kTextNazevEditoruObrazku),
                                                       app.PopisChybyCom(chyba)));
}

void OknoEditorObrazku::Otevrit(const std::wstring& cesta) {
    try {
        Holvent::GdiPlus::Bitmapa nova;
        nova.Nacist(cesta);
        obrazek_ = std::move(nova);
    } catch (const Chyba& chyba) {
        // A file that is no picture (or too large) gets its own refusal text; any other failure the action's.
        if (chyba.Hr() == Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData) && !chyba.Text().empty())
            Aplikace::Instance().ZobrazitChybu(chyba.Text());
        else Zobrazit(Formatovat(L"Obrázek \"%s\" se nepodařilo otevřít.", cesta.c_str()), chyba);
        return;
    }
    pohled_.NastavitObrazek(obrazek_.Obraz());
    ObnovitStav();
}

bool OknoEditorObrazku::Povoleno(UINT prikaz) const {
    switch (prikaz) {
    case kUlozit:
    case kUlozitJako:
    case kZavrit:
    case kSeda:
    case kZmenaRozmeru:
    case kInverze:
    case kOtocitVpravo:
    case kOtocitVlevo: return !obrazek_.Prazdna();
    case kZvetsit: return !obrazek_.Prazdna() && (pohled_.Prizpusobit() || pohled_.ZobrazeneMeritko() < kMaxMeritko);
    case kZmensit: return !obrazek_.Prazdna() && (pohled_.Prizpusobit() || pohled_.ZobrazeneMeritko() > kMinMeritko);
    default: return true;
    }
}

void OknoEditorObrazku::ObnovitStav() {
    for (UINT p : {kUlozit, kOtocitVlevo, kOtocitVpravo, kZvetsit, kZmensit}) panel_.Povolit(static_cast<int>(p), Povoleno(p));
    panel_.Zaskrtnout(static_cast<int>(kPrizpusobit), pohled_.Prizpusobit());
    if (obrazek_.Prazdna()) {
        radek_.NastavitText(0, L"");
        radek_.NastavitText(1, L"");
        radek_.NastavitText(2, L"");
        return;
    }
    radek_.NastavitText(0, obrazek_.Cesta());
    radek_.NastavitText(1, TextRozmeru({obrazek_.Sirka(), obrazek_.Vyska()}));
    radek_.NastavitText(2, TextMeritka(pohled_.ZobrazeneMeritko()));
}

void OknoEditorObrazku::PovolitPolozky(HMENU menu) const {
    for (int i = 0, n = ::GetMenuItemCount(menu); i < n; ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;
        ::EnableMenuItem(menu, id, MF_BYCOMMAND | (Povoleno(id) ? MF_ENABLED : MF_GRAYED));
        if (id == kPrizpusobit) ::CheckMenuItem(menu, id, MF_BYCOMMAND | (pohled_.Prizpusobit() ? MF_CHECKED : MF_UNCHECKED));
    }
}

void OknoEditorObrazku::KontextoveMenu(LPARAM lp) {
    Knihovna::WinApi::UnikatniMenu menu(::CreatePopupMenu());
    if (!menu) return;
    // The menus' items, "Konec" last after the help.
    for (std::size_t i = 0; i + 2 < std::size(kSoubor); ++i)
        ::AppendMenuW(menu.get(), MF_STRING, kSoubor[i].prikaz, kSoubor[i].text);
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Pridat(menu.get(), kUpravy);
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Pridat(menu.get(), kZobrazit);
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.get(), MF_STRING, kNapoveda, L"Nápověd&a");
    ::AppendMenuW(menu.get(), MF_STRING, kKonec, L"&Konec");
    PovolitPolozky(menu.get());
    POINT bod{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (lp == -1) {
        bod = {0, 0};
        ::ClientToScreen(pohled_.Hwnd(), &bod);
    }
    ::TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
}

void OknoEditorObrazku::RozbalitTlacitko(int prikaz, POINT bod) {
    if (prikaz != static_cast<int>(kOAplikaci)) return;
    Knihovna::WinApi::UnikatniMenu menu(Podmenu(kPomoc));
    ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
}

void OknoEditorObrazku::Rozvrhnout() {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    panel_.Prizpusobit();
    radek_.Prizpusobit();
    const int nahore = panel_.Vyska();
    const int dole = std::max<int>(nahore, klient.bottom - radek_.Vyska());
    ::MoveWindow(pohled_.Hwnd(), 0, nahore, klient.right, dole - nahore, TRUE);
    ObnovitStav();
}

void OknoEditorObrazku::Vybrat() {
    std::vector<wchar_t> cesta(32768, L'\0');
    const std::wstring filtr = Filtr();
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Hwnd();
    ofn.lpstrFilter = filtr.c_str();
    ofn.lpstrFile = cesta.data();
    ofn.nMaxFile = static_cast<DWORD>(cesta.size());
    ofn.lpstrTitle = L"Vyberte obrázek";
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (::GetOpenFileNameW(&ofn)) Otevrit(cesta.data());
}

void OknoEditorObrazku::UlozitJako() {
    std::vector<wchar_t> cesta(32768, L'\0');
    obrazek_.Cesta().copy(cesta.data(), std::min(obrazek_.Cesta().size(), cesta.size() - 1));
    const std::wstring filtr = Filtr();
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Hwnd();
    ofn.lpstrFilter = filtr.c_str();
    ofn.lpstrFile = cesta.data();
    ofn.nMaxFile = static_cast<DWORD>(cesta.size());
    ofn.lpstrDefExt = L"jpg";
    ofn.lpstrTitle = L"Vyberte soubor pro uložení obrázku";
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn)) return;
    const std::wstring cil = cesta.data();
    try {
        obrazek_.Ulozit(cil);
    } catch (const Chyba& chyba) {
        Zobrazit(Formatovat(L"Obrázek se nepodařilo uložit do souboru \"%s\".", cil.c_str()), chyba);
    }
}

void OknoEditorObrazku::ZmenitVelikost() {
    const Rozmery stara{obrazek_.Sirka(), obrazek_.Vyska()};
    DlgZmenaVelikostiObrazku dlg(Aplikace::Instance().Text(IdZdroju::kTextNazevEditoruObrazku), stara);
    if (!dlg.Zobrazit(Hwnd())) return;
    const auto nova = NovaVelikost(stara, dlg.Velikost(), dlg.ZachovatPomer());
    if (!nova) return;  // the same size: the picture is left as it is
    const int s = static_cast<int>(nova->sirka), v = static_cast<int>(nova->vyska);
    Knihovna::WinApi::DcOkna obrazovka(nullptr);
    Knihovna::WinApi::UnikatniDc pamet(::CreateCompatibleDC(obrazovka.Dc()));
    Knihovna::WinApi::UnikatniBitmapa bitmapa(::CreateCompatibleBitmap(obrazovka.Dc(), s, v));
    if (!pamet || !bitmapa) Knihovna::WinApi::VyhoditPosledniChybu(L"Bitmapu nové velikosti nelze vytvořit.");
    const HGDIOBJ stara_ = ::SelectObject(pamet.get(), bitmapa.get());
    {
        Gdiplus::Graphics g(pamet.get());
        g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        if (dlg.ZachovatPomer()) OknoEditorBitmapy::KreslitPrizpusobene(g, *obrazek_.Obraz(), s, v);
        else g.DrawImage(obrazek_.Obraz(), 0, 0, s, v);
    }
    ::SelectObject(pamet.get(), stara_);
    auto novy = Holvent::GdiPlus::PrevzitBitmapu(Gdiplus::Bitmap::FromHBITMAP(bitmapa.get(), nullptr));
    if (!novy || novy->GetLastStatus() != Gdiplus::Ok)
        throw Chyba(Knihovna::kE_FAIL, L"Obrázek nové velikosti nelze vytvořit.");
    obrazek_.Nahradit(std::move(novy));
}

void OknoEditorObrazku::UpravitPixely(bool naSedou) {
    Gdiplus::Bitmap& b = *obrazek_.Obraz();
    const Gdiplus::Rect cely(0, 0, static_cast<INT>(b.GetWidth()), static_cast<INT>(b.GetHeight()));
    Gdiplus::BitmapData data{};
    const Gdiplus::Status stav =
        b.LockBits(&cely, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data);
    if (stav != Gdiplus::Ok)
        throw Chyba(Knihovna::kE_FAIL, Formatovat(L"Body obrázku nelze zpřístupnit (GDI+ %d).", static_cast<int>(stav)));
    const PohledPixelu pohled{static_cast<std::uint8_t*>(data.Scan0), static_cast<int>(data.Width),
                              static_cast<int>(data.Height), data.Stride, 4};
    if (naSedou) PrevestNaStupneSede(pohled);
    else InvertovatBarvy(pohled);
    b.UnlockBits(&data);
}

void OknoEditorObrazku::PrepnoutPrizpusobeni() {
    auto& app = Aplikace::Instance();
    pohled_.NastavitPrizpusobeni(!pohled_.Prizpusobit());
    app.NastaveniEditoru().prizpusobitOknu = pohled_.Prizpusobit();
    try {
        app.NastaveniEditoru().Ulozit(app.Registr(), kKorenRegistru);
    } catch (const Chyba& chyba) {
        Zobrazit(L"Nastavení editoru se nepodařilo uložit.", chyba);
    }
}

void OknoEditorObrazku::Priblizit(bool vetsi) {
    // From the fitted view the zoom goes on from the fitted picture's scale.
    const int od = pohled_.ZobrazeneMeritko();
    if (pohled_.Prizpusobit()) PrepnoutPrizpusobeni();
    pohled_.NastavitMeritko(DalsiMeritko(od, vetsi));
}

bool OknoEditorObrazku::PrikazPomoci(UINT prikaz) {
    auto& app = Aplikace::Instance();
    // Inside the application the main window answers them as it does its own.
    if (const OknoHlavni* hlavni = app.HlavniOkno()) {
        ::PostMessageW(hlavni->Hwnd(), WM_COMMAND, prikaz, 0);
        return true;
    }
    switch (prikaz) {
    case kWeb:
    case kPodpora: {
        const wchar_t* adresa = prikaz == kWeb ? PravidlaAktualizace::kAdresaWebu : kAdresaPodpory;
        if (reinterpret_cast<INT_PTR>(::ShellExecuteW(Hwnd(), L"open", adresa, nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
            app.ZobrazitChybu(Formatovat(L"Adresu \"%s\" se nepodařilo otevřít.", adresa));
        return true;
    }
    case kAktualizace: app.Aktualizace().Spustit(Hwnd()); return true;
    case kOAplikaci: DlgOAplikaci::Zobrazit(Hwnd()); return true;
    }
    return false;
}

bool OknoEditorObrazku::Prikaz(UINT prikaz) {
    if (prikaz >= kWeb && prikaz <= kOAplikaci) return PrikazPomoci(prikaz);
    if (!((prikaz >= kOtevrit && prikaz <= kZmenaRozmeru) || (prikaz >= kInverze && prikaz <= kOtocitVlevo) ||
          prikaz == kZvetsit || prikaz == kZmensit || prikaz == kNapoveda))
        return false;
    // A command that is not enabled now (a posted one) does nothing.
    if (!Povoleno(prikaz)) return true;
    const wchar_t* akce = nullptr;
    try {
        switch (prikaz) {
        case kOtevrit: Vybrat(); return true;
        case kKonec: ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0); return true;
        case kNapoveda: return true;  // the program has no help file
        case kZavrit:
            obrazek_.Uvolnit();
            pohled_.NastavitObrazek(nullptr);
            break;
        case kPrizpusobit: PrepnoutPrizpusobeni(); break;
        case kZvetsit: Priblizit(true); break;
        case kZmensit: Priblizit(false); break;
        case kUlozit:
            akce = L"Obrázek se nepodařilo uložit.";
            obrazek_.Ulozit(obrazek_.Cesta());
            break;
        case kUlozitJako: UlozitJako(); break;
        case kSeda:
            akce = L"Obrázek se nepodařilo převést na stupně šedé.";
            UpravitPixely(true);
            break;
        case kInverze:
            akce = L"Barvy obrázku se nepodařilo invertovat.";
            UpravitPixely(false);
            break;
        case kOtocitVpravo:
            akce = L"Obrázek se nepodařilo otočit.";
            obrazek_.OtocitVpravo();
            break;
        case kOtocitVlevo:
            akce = L"Obrázek se nepodařilo otočit.";
            obrazek_.OtocitVlevo();
            break;
        case kZmenaRozmeru:
            akce = L"Rozměry obrázku se nepodařilo změnit.";
            ZmenitVelikost();
            break;
        }
    } catch (const Chyba& chyba) {
        Zobrazit(akce ? akce : L"Příkaz editoru se nepodařilo provést.", chyba);
    }
    // The picture may be a new object (resize, rotation): the view takes it again.
    pohled_.NastavitObrazek(obrazek_.Obraz());
    ObnovitStav();
    return true;
}

LRESULT OknoEditorObrazku::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_SIZE: Rozvrhnout(); return 0;
    case WM_DPICHANGED:
        panel_.NastavitObrazky(Aplikace::Instance().ObrazkyProDpi(HIWORD(wp)));
        Knihovna::WinApi::PrijmoutNavrhDpi(Hwnd(), lp);
        return 0;
    case WM_COMMAND:
        if (Prikaz(LOWORD(wp))) return 0;
        break;
    case WM_NOTIFY: {
        LRESULT vysledek = 0;
        if (panel_.ZpracovatNotifikaci(reinterpret_cast<const NMHDR*>(lp), vysledek,
                                       [this](int prikaz, POINT bod) { RozbalitTlacitko(prikaz, bod); }))
            return vysledek;
        break;
    }
    case WM_INITMENUPOPUP: PovolitPolozky(reinterpret_cast<HMENU>(wp)); return 0;
    case WM_CONTEXTMENU: KontextoveMenu(lp); return 0;
    case WM_DROPFILES: {
        const auto h = reinterpret_cast<HDROP>(wp);
        std::vector<wchar_t> cesta(32768, L'\0');
        const UINT n = ::DragQueryFileW(h, 0, cesta.data(), static_cast<UINT>(cesta.size()));
        ::DragFinish(h);
        if (n > 0) Otevrit(cesta.data());
        return 0;
    }
    case kZpravaOtevritObrazek: {
        const std::unique_ptr<std::wstring> cesta(reinterpret_cast<std::wstring*>(lp));
        if (cesta) Otevrit(*cesta);
        if (::IsIconic(Hwnd())) ::ShowWindow(Hwnd(), SW_RESTORE);
        return 0;
    }
    case WM_SETFOCUS: ::SetFocus(pohled_.Hwnd()); return 0;
    case WM_DESTROY:
        pohled_.NastavitObrazek(nullptr);
        ::PostQuitMessage(0);
        return 0;
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}
