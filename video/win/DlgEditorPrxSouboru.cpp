#include "video/win/DlgEditorPrxSouboru.h"

#include <commdlg.h>
#include <shlwapi.h>

#include <cwchar>

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Text.h"
#include "knihovna/win/ChybyWin.h"
#include "video/win/SouborPrxWin.h"

using Holvent::DirectShow::HodnotyPrx;
using Holvent::DirectShow::kRozsahBitrate;
using Holvent::DirectShow::kRozsahRozmeru;
using Holvent::DirectShow::kRozsahSnimku;
using Holvent::Email::SablonaDialogu;

namespace {

constexpr short kSirka = 280, kVyska = 142;  // dialog units
constexpr wchar_t kFiltr[] = L"Konfigurace záznamu videa (*.prx)|*.prx";
constexpr wchar_t kChybaNacteni[] = L"Nepodařilo se načíst požadovaný .prx soubor konfigurace záznamu";
constexpr wchar_t kChybaUlozeni[] = L"Nepodařilo se uložit požadovaný .prx soubor konfigurace záznamu";

// The six controls that a loaded file enables.
constexpr int kPovolovane[] = {DlgEditorPrxSouboru::kSirka, DlgEditorPrxSouboru::kVyska, DlgEditorPrxSouboru::kSnimky,
                               DlgEditorPrxSouboru::kBitrate, DlgEditorPrxSouboru::kUlozit,
                               DlgEditorPrxSouboru::kUlozitKopii};

void HlasitChybu(const wchar_t* akce, const Knihovna::Chyba& chyba) {
    Aplikace::Instance().ZobrazitChybu(TextyZprav::Chyba(akce, Knihovna::WinApi::PopisChyby(chyba)));
}

}  // namespace

DlgEditorPrxSouboru::DlgEditorPrxSouboru(ZmenaSouboru zmena)
    : zmena_(std::move(zmena)), soubor_(kFiltr, false),
      sirka_(static_cast<std::uint32_t>(kRozsahRozmeru.min), static_cast<std::uint32_t>(kRozsahRozmeru.max)),
      vyska_(static_cast<std::uint32_t>(kRozsahRozmeru.min), static_cast<std::uint32_t>(kRozsahRozmeru.max)),
      snimky_(static_cast<std::uint32_t>(kRozsahSnimku.min), static_cast<std::uint32_t>(kRozsahSnimku.max)),
      bitrate_(static_cast<std::uint32_t>(kRozsahBitrate.min), static_cast<std::uint32_t>(kRozsahBitrate.max)) {}

void DlgEditorPrxSouboru::Vytvorit(HWND rodic) {
    SablonaDialogu s(kSirka, kVyska, L"", SablonaDialogu::kVnoreny);
    constexpr DWORD tab = WS_TABSTOP;
    constexpr DWORD cislo = tab | WS_BORDER | ES_AUTOHSCROLL | ES_NUMBER;
    s.Polozka(SS_LEFT, 7, 7, 266, 8, kPopisekSouboru, SablonaDialogu::kPopisek,
              L"Soubor konfigurace záznamu videa do formátu Windows Media (*.prx):");
    s.Polozka(tab | WS_BORDER | ES_AUTOHSCROLL, 7, 18, 244, 13, kSoubor, SablonaDialogu::kEdit);
    s.Polozka(tab, 254, 18, 19, 13, kProchazet, SablonaDialogu::kTlacitko, L"...");
    s.Polozka(SS_LEFT, 7, 43, 110, 8, kPopisekRozmeru, SablonaDialogu::kPopisek, L"Rozměry videa:");
    s.Polozka(cislo, 120, 41, 40, 13, kSirka, SablonaDialogu::kEdit);
    s.Polozka(SS_CENTER, 162, 43, 10, 8, kKrat, SablonaDialogu::kPopisek, L"x");
    s.Polozka(cislo, 174, 41, 40, 13, kVyska, SablonaDialogu::kEdit);
    s.Polozka(SS_LEFT, 7, 61, 110, 8, kPopisekSnimku, SablonaDialogu::kPopisek, L"Počet snímků za sekundu (1-60):");
    s.Polozka(cislo, 120, 59, 40, 13, kSnimky, SablonaDialogu::kEdit);
    s.Polozka(SS_LEFT, 7, 79, 110, 8, kPopisekBitrate, SablonaDialogu::kPopisek, L"Bitový tok v bajtech:");
    s.Polozka(cislo, 120, 77, 60, 13, kBitrate, SablonaDialogu::kEdit);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 186, 79, 87, 8, kVelikostBitrate, SablonaDialogu::kPopisek);
    s.Polozka(SS_LEFT, 7, 98, 266, 18, kVarovani, SablonaDialogu::kPopisek,
              L"POZOR! Nastavení nevhodných hodnot nebo nevhodné kombinace může způsobit chybu při záznamu videa!");
    s.Polozka(tab, 140, 121, 56, 14, kUlozit, SablonaDialogu::kTlacitko, L"Uložit");
    s.Polozka(tab, 200, 121, 73, 14, kUlozitKopii, SablonaDialogu::kTlacitko, L"Uložit kopii jako");
    hwnd_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), s.Sablona(), rodic, &Procedura,
                                         reinterpret_cast<LPARAM>(this));
    Knihovna::WinApi::VyhoditKdyzNeuspech(hwnd_);
}

SIZE DlgEditorPrxSouboru::VelikostRamce(HWND ramec) const {
    RECT r{0, 0, kSirka, kVyska};
    ::MapDialogRect(hwnd_, &r);
    ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongPtrW(ramec, GWL_STYLE)), ::GetMenu(ramec) != nullptr,
                         static_cast<DWORD>(::GetWindowLongPtrW(ramec, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
}

INT_PTR CALLBACK DlgEditorPrxSouboru::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) {
        ::SetWindowLongPtrW(okno, DWLP_USER, lp);
        reinterpret_cast<DlgEditorPrxSouboru*>(lp)->hwnd_ = okno;
    }
    auto* dlg = reinterpret_cast<DlgEditorPrxSouboru*>(::GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    // The dialog procedure is a boundary: nothing escapes into user32.
    try {
        return dlg->ZpracovatZpravu(zprava, wp, lp);
    } catch (const Knihovna::Chyba& chyba) {
        Aplikace::Instance().ZobrazitChybu(Knihovna::WinApi::PopisChyby(chyba));
    } catch (...) {
        Aplikace::Instance().ZobrazitChybu(
            Knihovna::WinApi::SystemovyPopis(static_cast<HRESULT>(Knihovna::HresultAktualniVyjimky())));
    }
    return TRUE;
}

INT_PTR DlgEditorPrxSouboru::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG: Inicializovat(); return FALSE;
    case WM_COMMAND: Prikaz(wp, lp); return TRUE;
    }
    return FALSE;
}

void DlgEditorPrxSouboru::Inicializovat() {
    soubor_.Pripojit(::GetDlgItem(hwnd_, kSoubor), ::GetDlgItem(hwnd_, kProchazet));
    sirka_.Pripojit(::GetDlgItem(hwnd_, kSirka));
    vyska_.Pripojit(::GetDlgItem(hwnd_, kVyska));
    snimky_.Pripojit(::GetDlgItem(hwnd_, kSnimky));
    bitrate_.Pripojit(::GetDlgItem(hwnd_, kBitrate));
    Vynulovat();
    Povolit(false);
}

void DlgEditorPrxSouboru::Prikaz(WPARAM wp, LPARAM lp) {
    if (soubor_.Prikaz(wp, lp)) return;
    const int id = LOWORD(wp), kod = HIWORD(wp);
    if (id == kSoubor && kod == EN_CHANGE && !nacitani_) Nacist();
    else if (id == kBitrate && kod == EN_CHANGE) ZobrazitVelikost();
    else if (id == kUlozit && kod == BN_CLICKED) Ulozit();
    else if (id == kUlozitKopii && kod == BN_CLICKED) UlozitKopii();
}

bool DlgEditorPrxSouboru::Existuje() const {
    const std::wstring cesta = soubor_.Text();
    const DWORD atributy = cesta.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(cesta.c_str());
    return atributy != INVALID_FILE_ATTRIBUTES && !(atributy & FILE_ATTRIBUTE_DIRECTORY);
}

void DlgEditorPrxSouboru::Otevrit(const std::wstring& cesta) {
    // The same path again is read again (the file may have changed meanwhile).
    if (cesta == soubor_.Text()) Nacist();
    else soubor_.Nastavit(cesta);
}

void DlgEditorPrxSouboru::Vybrat() { ::SendDlgItemMessageW(hwnd_, kProchazet, BM_CLICK, 0, 0); }

void DlgEditorPrxSouboru::Nacist() {
    if (!Existuje()) {
        // A path being typed: nothing to read yet.
        Vynulovat();
        Povolit(false);
        return;
    }
    try {
        const HodnotyPrx h = Holvent::DirectShow::NacistHodnotyPrx(soubor_.Text());
        ::SetDlgItemTextW(hwnd_, kBitrate, std::to_wstring(h.bitrate).c_str());
        ::SetDlgItemTextW(hwnd_, kSnimky, std::to_wstring(h.snimkuZaSekundu).c_str());
        ::SetDlgItemTextW(hwnd_, kSirka, std::to_wstring(h.sirka).c_str());
        ::SetDlgItemTextW(hwnd_, kVyska, std::to_wstring(h.vyska).c_str());
        Povolit(true);
    } catch (const Knihovna::Chyba& chyba) {
        Vynulovat();
        nacitani_ = true;
        soubor_.Nastavit({});
        nacitani_ = false;
        Povolit(false);
        HlasitChybu(kChybaNacteni, chyba);
    }
}

void DlgEditorPrxSouboru::Povolit(bool povolit) {
    for (int id : kPovolovane) ::EnableWindow(::GetDlgItem(hwnd_, id), povolit);
    if (zmena_) zmena_(povolit);
}

void DlgEditorPrxSouboru::Vynulovat() {
    for (int id : {kBitrate, kSnimky, kSirka, kVyska}) ::SetDlgItemTextW(hwnd_, id, L"0");
}

void DlgEditorPrxSouboru::ZobrazitVelikost() {
    wchar_t text[64] = {};
    if (const auto c = bitrate_.Cislo()) ::StrFormatByteSizeW(*c, text, 64);
    ::SetDlgItemTextW(hwnd_, kVelikostBitrate, text);
}

bool DlgEditorPrxSouboru::Ulozit() {
    if (!Existuje()) return false;
    // A field that holds no number within its range stays as the file has it.
    HodnotyPrx h;
    h.sirka = static_cast<std::int32_t>(sirka_.Cislo().value_or(0));
    h.vyska = static_cast<std::int32_t>(vyska_.Cislo().value_or(0));
    h.snimkuZaSekundu = static_cast<std::int32_t>(snimky_.Cislo().value_or(0));
    h.bitrate = bitrate_.Cislo().value_or(0);
    try {
        Holvent::DirectShow::UlozitHodnotyPrx(soubor_.Text(), h);
    } catch (const Knihovna::Chyba& chyba) {
        HlasitChybu(kChybaUlozeni, chyba);
        return false;
    }
    return true;
}

void DlgEditorPrxSouboru::UlozitKopii() {
    if (!Existuje()) return;
    const std::wstring soucasna = soubor_.Text();
    wchar_t cil[MAX_PATH] = {};
    const std::wstring filtr = EditSoubor::FiltrDialogu(kFiltr);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ::GetAncestor(hwnd_, GA_ROOT);
    ofn.lpstrFilter = filtr.c_str();
    ofn.lpstrFile = cil;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = L"Vyberte soubor konfigurace záznamu videa";
    ofn.lpstrDefExt = L"prx";
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!::GetSaveFileNameW(&ofn)) return;
    // The copy is of the saved file: a save that failed copies nothing.
    if (!Ulozit() || Knihovna::StejneBezVelikosti(cil, soucasna)) return;
    if (!::CopyFileW(soucasna.c_str(), cil, FALSE))
        Aplikace::Instance().ZobrazitChybu(Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(::GetLastError())));
}
