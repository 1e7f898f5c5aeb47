#include "net/win/DlgGenerHtmlStrankyKamery.h"

#include <commdlg.h>

#include <chrono>
#include <stop_token>

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "email/win/DlgUpravyZaznamu.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Okno.h"
#include "knihovna/win/UnikatniHandle.h"
#include "net/StrankaHtml.h"
#include "net/win/DlgVyberSlozkyFtp.h"
#include "net/win/FtpSpojeni.h"
#include "net/win/PostaOkna.h"
#include "resources/IdZdroju.h"

namespace Holvent::Ftp {

namespace {

using Holvent::Email::TextPrvku;

constexpr const wchar_t* kTextPripraven = L"Připraven";
constexpr const wchar_t* kTextOdesilam = L"Odesílám soubor na FTP, čekejte prosím...";
constexpr const wchar_t* kTextOdeslano = L"Soubor byl úspěšně odeslán na FTP server";
constexpr const wchar_t* kTextZrusit = L"Probíhá odesílání souboru na FTP!\nOpravdu chcete akci zrušit a ukončit tento nástroj?";

// Closing cancels the upload (its connection is closed); a worker that does not end in this time is let go:
// it owns its copies and posts to no window.
constexpr std::chrono::milliseconds kLimitZastaveni(3000);

// The name of a path without its folder.
std::wstring JmenoSouboru(const std::wstring& cesta) {
    const auto lomitko = cesta.find_last_of(L"\\/");
    return lomitko == std::wstring::npos ? cesta : cesta.substr(lomitko + 1);
}

void ZapsatSoubor(const std::wstring& cesta, const std::string& data) {
    // Nobody else may write it meanwhile; an existing page is replaced.
    Knihovna::WinApi::UnikatniSoubor soubor(
        ::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!soubor) Knihovna::WinApi::VyhoditPosledniChybu();
    DWORD zapsano = 0;
    if (!::WriteFile(soubor.get(), data.data(), static_cast<DWORD>(data.size()), &zapsano, nullptr))
        Knihovna::WinApi::VyhoditPosledniChybu();
    if (zapsano != data.size()) Knihovna::Vyhodit(Knihovna::kE_FAIL, L"Soubor nebyl zapsán celý.");
}

}  // namespace

struct DlgGenerHtmlStrankyKamery::Vysledek {
    bool uspech = false;
    std::wstring chyba;
};

DlgGenerHtmlStrankyKamery::DlgGenerHtmlStrankyKamery(Kamera kamera)
    : kamera_(std::move(kamera)), obnova_(kMinObnovaStranky, kMaxObnovaStranky) {}

DlgGenerHtmlStrankyKamery::~DlgGenerHtmlStrankyKamery() {
    if (posta_) posta_->Zavrit();
}

void DlgGenerHtmlStrankyKamery::Otevrit(HWND okno, Tervik& kamera, std::function<void()> ulozit,
                                        std::function<void(const std::wstring&)> log) {
    const HWND otevreny = Knihovna::WinApi::NajitVlastneneOkno(okno, [](HWND w) {
        wchar_t titulek[128] = {};
        ::GetWindowTextW(w, titulek, 128);
        return std::wstring(titulek) == kTitulek;
    });
    if (otevreny) {
        ::SetForegroundWindow(otevreny);
        return;
    }
    // The record is read on the camera's thread (this one) and changed only under its lock.
    Kamera k{kamera.Parametry().generHtml, kamera.Parametry().snimkyFtp, nullptr, nullptr};
    k.ulozit = [okno, &kamera, ulozit = std::move(ulozit)](const ParametryKamery::GenerHtml& html) {
        if (!::IsWindow(okno)) return;
        {
            std::lock_guard z(kamera.Zamek());
            kamera.Parametry().generHtml = html;
        }
        ulozit();
    };
    k.log = [okno, log = std::move(log)](const std::wstring& text) {
        if (::IsWindow(okno)) log(text);
    };
    DlgGenerHtmlStrankyKamery(std::move(k)).Zobrazit(okno);
}

void DlgGenerHtmlStrankyKamery::Zobrazit(HWND vlastnik) {
    using S = Holvent::Email::SablonaDialogu;
    S s(300, 262, kTitulek);
    auto popisek = [&](short y, const wchar_t* text, short sirka = 286) {
        s.Polozka(SS_LEFT, 7, y, sirka, 9, 0xFFFF, S::kPopisek, text);
    };
    auto edit = [&](short x, short y, short sirka, int id, DWORD styl = 0) {
        s.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | styl, x, y, sirka, 13, static_cast<WORD>(id), S::kEdit);
    };
    popisek(7, L"Nadpis (tag H1):");
    edit(7, 17, 286, kIdNadpis);
    popisek(35, L"Titulek stránky (<title>):");
    edit(7, 45, 286, kIdTitulek);
    popisek(63, L"Cesta k souboru snímku:");
    edit(7, 73, 286, kIdCestaSnimku);
    popisek(93, L"Interval automatické obnovy (meta refresh) v sekundách:", 220);
    edit(233, 91, 60, kIdObnova, ES_RIGHT);
    s.Polozka(BS_GROUPBOX, 7, 110, 286, 90, 0xFFFF, S::kTlacitko, L"Pro kopírování na FTP použít následující parametry:");
    s.Polozka(SS_LEFT, 15, 126, 85, 9, 0xFFFF, S::kPopisek, L"Server:");
    edit(100, 124, 185, kIdServer);
    s.Polozka(SS_LEFT, 15, 143, 85, 9, 0xFFFF, S::kPopisek, L"Přihlašovací jméno:");
    edit(100, 141, 185, kIdUzivatel);
    s.Polozka(SS_LEFT, 15, 160, 85, 9, 0xFFFF, S::kPopisek, L"Heslo:");
    edit(100, 158, 125, kIdHeslo, ES_PASSWORD);
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 231, 159, 56, 10, kIdZobrazovat, S::kTlacitko, L"Zobrazovat");
    s.Polozka(SS_LEFT, 15, 177, 85, 9, 0xFFFF, S::kPopisek, L"Složka na FTP serveru:");
    edit(100, 175, 165, kIdSlozka);
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 269, 175, 16, 13, kIdVybratSlozku, S::kTlacitko, L"...");
    s.Polozka(SS_LEFT | SS_NOPREFIX | SS_SUNKEN, 7, 208, 286, 22, kIdStav, S::kPopisek, kTextPripraven);
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 7, 240, 90, 14, kIdVytvorit, S::kTlacitko, L"Vytvořit HTML stránku");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 101, 240, 136, 14, kIdOdeslat, S::kTlacitko,
              L"Vytvořit stránku a odeslat na FTP");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 243, 240, 50, 14, IDCANCEL, S::kTlacitko, L"&Zavřít");
    ZobrazitModalne(vlastnik, s, L"Dialog pro vytvoření HTML stránky nelze zobrazit.");
}

void DlgGenerHtmlStrankyKamery::Inicializovat(HWND okno) {
    okno_ = okno;
    posta_ = std::make_shared<PostaOkna>(okno);
    const auto& h = kamera_.html;
    const auto& f = kamera_.ftp;
    SetDlgItemTextW(okno, kIdNadpis, h.tagH1.c_str());
    SetDlgItemTextW(okno, kIdTitulek, h.title.c_str());
    SetDlgItemTextW(okno, kIdCestaSnimku, CestaSnimkuNaFtp(f.soubor, f.snimek.format).c_str());
    obnova_.Pripojit(GetDlgItem(okno, kIdObnova));
    obnova_.Nastavit(h.refresh);
    SetDlgItemTextW(okno, kIdServer, f.server.c_str());
    SetDlgItemTextW(okno, kIdUzivatel, f.uzivatel.c_str());
    SetDlgItemTextW(okno, kIdHeslo, f.heslo.c_str());
    SetDlgItemTextW(okno, kIdSlozka, f.slozka.c_str());
    CheckDlgButton(okno, kIdZobrazovat, f.zobrazovatHeslo ? BST_CHECKED : BST_UNCHECKED);
    Holvent::Email::MaskovatHeslo(okno, kIdHeslo, !f.zobrazovatHeslo);
}

void DlgGenerHtmlStrankyKamery::Chyba(const std::wstring& text) {
    MessageBoxW(okno_, text.c_str(), Aplikace::Instance().Produkt().c_str(), MB_OK | MB_ICONERROR);
}

std::wstring DlgGenerHtmlStrankyKamery::Vytvorit() {
    auto& app = Aplikace::Instance();
    // A refused number loses nothing: the dialog stays as it is.
    if (auto problem = obnova_.Overit()) {
        Chyba(*problem);
        SetFocus(obnova_.Okno());
        return {};
    }
    ParametryKamery::GenerHtml pouzite = kamera_.html;
    pouzite.tagH1 = TextPrvku(okno_, kIdNadpis);
    pouzite.title = TextPrvku(okno_, kIdTitulek);
    pouzite.refresh = static_cast<std::uint32_t>(*obnova_.Cislo());

    wchar_t cesta[MAX_PATH * 2] = {};
    if (ChybaNazvuSouboru(kamera_.html.soubor).empty()) kamera_.html.soubor.copy(cesta, MAX_PATH);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = okno_;
    ofn.lpstrFilter = L"HTML stránky\0*.htm;*.html\0";
    ofn.lpstrFile = cesta;
    ofn.nMaxFile = MAX_PATH * 2;
    ofn.lpstrDefExt = L"htm";
    ofn.lpstrTitle = L"Vyberte soubor pro uložení HTML stránky";
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ofn)) return {};

    UdajeStrankyHtml u;
    u.deklarace = app.Text(IdZdroju::kTextDeklaraceXhtml);
    u.zacatekHtml = app.Text(IdZdroju::kTextZacatekXhtml);
    u.titulek = pouzite.title;
    u.obnova = pouzite.refresh;
    u.nadpis = pouzite.tagH1;
    u.cestaSnimku = TextPrvku(okno_, kIdCestaSnimku);
    try {
        ZapsatSoubor(cesta, VytvoritStrankuHtml(u));
    } catch (const Knihovna::Chyba& chyba) {
        Chyba(TextyZprav::Chyba(Knihovna::Formatovat(L"HTML stránku nelze uložit do souboru \"%s\"", cesta),
                                app.PopisChybyCom(chyba)));
        return {};
    }
    pouzite.soubor = JmenoSouboru(cesta);
    kamera_.html = pouzite;
    if (kamera_.ulozit) kamera_.ulozit(pouzite);
    return cesta;
}

void DlgGenerHtmlStrankyKamery::PovolitTlacitka(bool povolit) {
    for (int id : {kIdVytvorit, kIdOdeslat, kIdVybratSlozku}) EnableWindow(GetDlgItem(okno_, id), povolit);
}

void DlgGenerHtmlStrankyKamery::Odeslat(const std::wstring& soubor) {
    const std::wstring server = TextPrvku(okno_, kIdServer), uzivatel = TextPrvku(okno_, kIdUzivatel),
                       heslo = TextPrvku(okno_, kIdHeslo), slozka = TextPrvku(okno_, kIdSlozka);
    const std::wstring nazev = JmenoSouboru(soubor);
    // The worker holds copies only and reports through the post, which the dialog closes when it ends.
    auto prace = [=, posta = posta_, koren = static_cast<HINTERNET>(Aplikace::Instance().InternetHandle())](
                     std::stop_token stop) {
        auto v = std::make_unique<Vysledek>();
        try {
            FtpSpojeni spojeni(server, uzivatel, heslo, true);  // always passive
            std::stop_callback zrusit(stop, [&spojeni] { spojeni.Zrusit(); });
            spojeni.Connect(koren);
            spojeni.ZmenitSlozku(slozka, true);
            spojeni.Nahrat(soubor, nazev);
            spojeni.Odpojit();
            v->uspech = true;
        } catch (const Knihovna::Chyba& chyba) {
            v->chyba = Knihovna::WinApi::PopisChyby(chyba);
        } catch (const std::exception&) {
            v->chyba = L"Nedostatek paměti";
        }
        posta->Poslat(kZpravaOdeslaniStranky, 0, std::move(v));
    };
    if (!pracovnik_.Spustit(std::move(prace))) {
        Chyba(L"Odesílání předchozí stránky ještě neskončilo.");
        return;
    }
    odesila_ = true;
    odesilany_ = nazev;
    serverOdesilani_ = server;
    SetDlgItemTextW(okno_, kIdStav, kTextOdesilam);
    PovolitTlacitka(false);
}

void DlgGenerHtmlStrankyKamery::PrevzitVysledek(std::unique_ptr<Vysledek> v) {
    pracovnik_.Zastavit(kLimitZastaveni);  // it has posted and is returning
    odesila_ = false;
    SetDlgItemTextW(okno_, kIdStav, kTextPripraven);
    PovolitTlacitka(true);
    if (v->uspech) {
        MessageBoxW(okno_, kTextOdeslano, Aplikace::Instance().Produkt().c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    // A failed delivery is never lost: one line in the camera's log whatever its switches say.
    if (kamera_.log)
        kamera_.log(Knihovna::Formatovat(L"Nepodařilo se odeslat HTML stránku \"%s\" na FTP server %s. (%s)",
                                         odesilany_.c_str(), serverOdesilani_.c_str(), v->chyba.c_str()));
    Chyba(TextyZprav::Chyba(
        Knihovna::Formatovat(L"Nepodařilo se odeslat soubor \"%s\" na FTP server %s", odesilany_.c_str(),
                             serverOdesilani_.c_str()),
        v->chyba));
}

void DlgGenerHtmlStrankyKamery::VybratSlozku() {
    Holvent::Email::FtpMisto misto;
    misto.server = TextPrvku(okno_, kIdServer);
    misto.uzivatel = TextPrvku(okno_, kIdUzivatel);
    misto.heslo = TextPrvku(okno_, kIdHeslo);
    misto.pasivniRezim = true;  // as the page's upload
    DlgVyberSlozkyFtp vyber(misto, TextPrvku(okno_, kIdSlozka));
    if (vyber.Zobrazit(okno_)) SetDlgItemTextW(okno_, kIdSlozka, vyber.Slozka().c_str());
}

void DlgGenerHtmlStrankyKamery::Zavrit() {
    if (odesila_) {
        if (MessageBoxW(okno_, kTextZrusit, Aplikace::Instance().Produkt().c_str(),
                        MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return;
    }
    EndDialog(okno_, IDCANCEL);
}

// Every way the dialog ends passes here (also its owner's end): the worker is cut off and its late result dropped.
void DlgGenerHtmlStrankyKamery::Konec() {
    // (The upload may have ended while the question was open.)
    if (odesila_ && kamera_.log)
        kamera_.log(Knihovna::Formatovat(L"Odesílání HTML stránky \"%s\" na FTP server %s bylo zrušeno.",
                                         odesilany_.c_str(), serverOdesilani_.c_str()));
    posta_->Zavrit();
    pracovnik_.Zastavit(kLimitZastaveni);
    PostaOkna::ZahoditNevyzvednute<Vysledek>(okno_, kZpravaOdeslaniStranky);
}

INT_PTR DlgGenerHtmlStrankyKamery::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG:
        Inicializovat(okno);
        return TRUE;
    case kZpravaOdeslaniStranky:
        PrevzitVysledek(std::unique_ptr<Vysledek>(reinterpret_cast<Vysledek*>(lp)));
        return TRUE;
    case WM_DESTROY:
        Konec();
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kIdZobrazovat:
            Holvent::Email::MaskovatHeslo(okno, kIdHeslo, IsDlgButtonChecked(okno, kIdZobrazovat) != BST_CHECKED);
            return TRUE;
        case kIdVybratSlozku: VybratSlozku(); return TRUE;
        case kIdVytvorit: Vytvorit(); return TRUE;
        case kIdOdeslat: {
            const std::wstring soubor = Vytvorit();
            if (!soubor.empty()) Odeslat(soubor);
            return TRUE;
        }
        case IDCANCEL: Zavrit(); return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace Holvent::Ftp
