#include "email/win/SnimkyEmailem.h"

#include <algorithm>
#include <chrono>

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "camera/DruhSnimku.h"
#include "camera/win/SnimkyNaDisk.h"
#include "email/win/SluzbyZpravyWin.h"
#include "email/win/SoketTls.h"
#include "email/win/SoketWinsock.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "video/KoderyObrazu.h"

using Knihovna::Formatovat;
using namespace Holvent::Email;

namespace {

constexpr std::chrono::milliseconds kCasZastaveni{10000};

std::wstring BezSlozky(const std::wstring& cesta) {
    const std::size_t lomitko = cesta.find_last_of(L"\\/");
    return lomitko == std::wstring::npos ? cesta : cesta.substr(lomitko + 1);
}

// The failure's own text inside a format that ends the sentence itself ("%s."): no doubled full stop.
std::wstring BezTeckyNaKonci(std::wstring text) {
    if (!text.empty() && text.back() == L'.') text.pop_back();
    return text;
}

}  // namespace

SnimkyEmailem::SnimkyEmailem(HWND okno, ParametryKamery& parametry, StavSnimku& stav, HlaseniCesty& hlaseni,
                             std::wstring jmeno)
    : okno_(okno), parametry_(parametry), stav_(stav), hlaseni_(hlaseni), jmeno_(std::move(jmeno)) {}

SnimkyEmailem::~SnimkyEmailem() { pracovnik_.Zastavit(kCasZastaveni); }

std::wstring SnimkyEmailem::Pripona() const {
    const auto* koder = Holvent::DirectShow::KoderFormatu(parametry_.snimkyEmail.snimek.format);
    return koder ? koder->pripona : L".jpg";
}

void SnimkyEmailem::SmazatStareSoubory() {
    SmazatStareSouboryEmailu(Aplikace::Instance().SlozkaDat(), jmeno_, Pripona());
}

bool SnimkyEmailem::KopieUctu(const std::wstring& emailUcet, EmailovyUcet& ucet) const {
    // Never a stale copy: an account that is gone leaves nothing to send from.
    ucet = EmailovyUcet{};
    return Aplikace::Instance().Ucty().KopieUctu(emailUcet, ucet);
}

UlohaEmailu SnimkyEmailem::Uloha(const ParametryKamery& p, const EmailovyUcet& ucet, bool test) const {
    UlohaEmailu u;
    u.ucet = ucet;
    u.ucet.email = OrezatAdresu(ucet.email);
    u.prijemce = OrezatAdresu(p.snimkyEmail.email);
    u.skryti = RozdelitDalsiEmaily(p.snimkyEmail.dalsiEmaily);
    u.predmet = p.snimkyEmail.predmet;
    u.text = p.snimkyEmail.text;
    u.html = p.snimkyEmail.htmlFormat;
    u.test = test;
    u.produkt = Aplikace::Instance().Produkt();
    const SluzbaSmtp sluzba = SluzbaZabezpeceni(ucet.zabezpeceni);
    u.vychoziPort = SoketWinsock::PortSluzby(sluzba.nazev, sluzba.port);
    const int limitMs = static_cast<int>(u.casovyLimitS * 1000);
    u.zabalitTls = [limitMs](std::unique_ptr<Soket> vnitrni, const std::wstring& server, std::wstring& chyba) {
        return ZabalitDoTls(std::move(vnitrni), server, limitMs, chyba);
    };
    return u;
}

bool SnimkyEmailem::SpustitPraci(UlohaEmailu uloha, VysledekPraceEmailu info) {
    HWND okno = okno_;
    return pracovnik_.Spustit([okno, uloha = std::move(uloha), info = std::move(info)](std::stop_token stop) {
        auto vysledek = std::make_unique<VysledekPraceEmailu>(info);
        try {
            Zprava zprava;
            PripojitSluzbyWindows(zprava);
            zprava.ladiciVystup = nullptr;
            vysledek->vysledek = VlaknoOdeslaniEmailu(uloha, std::make_unique<SoketWinsock>(), stop, &zprava);
        } catch (const Knihovna::Chyba& chyba) {
            vysledek->vysledek = {};
            vysledek->vysledek.krok = L"sestavení zprávy";
            vysledek->vysledek.chyba = chyba.Text().empty() ? L"Zprávu nelze sestavit." : chyba.Text();
        } catch (const std::exception&) {
            vysledek->vysledek = {};
            vysledek->vysledek.krok = L"sestavení zprávy";
            vysledek->vysledek.chyba = L"Pro zprávu není dost paměti.";
        }
        // A window that is gone refuses the post: the result is freed here.
        if (::PostMessageW(okno, kZpravaVysledekPrace, kPraceEmail, reinterpret_cast<LPARAM>(vysledek.get())))
            vysledek.release();
    });
}

void SnimkyEmailem::Zaneprazdneno() {
    // Once per busy period, so that a timer faster than the server does not fill the log.
    if (zaneprazdnenoHlaseno_) return;
    zaneprazdnenoHlaseno_ = true;
    hlaseni_.LogKamery(L"Odesílání snímku emailem bylo vynecháno: předchozí odesílání ještě neskončilo.");
}

void SnimkyEmailem::OdeslatSnimekEmail(Holvent::DirectShow::ZachytavaniVidea& zachytavani, std::uintptr_t parametr) {
    const auto& se = parametry_.snimkyEmail;
    EmailovyUcet ucet;
    const bool ucetNalezen = KopieUctu(se.emailUcet, ucet);
    if (!zachytavani.GrafExistuje()) {
        hlaseni_.Pipnout();
        return;
    }
    if (pracovnik_.Bezi()) {
        Zaneprazdneno();
        return;
    }
    if (const std::wstring chyba = ChybaStartuEmail(parametry_, ucetNalezen ? &ucet : nullptr); !chyba.empty()) {
        hlaseni_.ZpravaCesty(3, chyba, se.zpravaIkona);
        return;
    }
    const std::wstring prijemce = OrezatAdresu(se.email);
    const auto& app = Aplikace::Instance();
    std::wstring cesta;
    try {
        const std::uint32_t cislo = citac_.Aktualni(se.pocetSouboru);
        cesta = SouborEmailu(app.SlozkaDat(), jmeno_, cislo, se.pocetSouboru, Pripona());
        if (!Holvent::DirectShow::KoderFormatu(se.snimek.format))
            Knihovna::Vyhodit(Knihovna::kE_INVALIDARG, kTextChybaCestySnimku);
        SnimkyNaDisk::UlozitSnimekDruhu(zachytavani, stav_, kSnimekEmail, se.snimek, parametr == kPrikazCasovace,
                                        cesta);
        citac_.Posunout();
        hlaseni_.PrehratZvukSnimku();

        UlohaEmailu uloha = Uloha(parametry_, ucet, false);
        uloha.snimek = cesta;
        uloha.prilohy = PrilohyEmailu(app.SlozkaDat(), jmeno_, se.pocetSouboru, Pripona(), cesta);
        VysledekPraceEmailu info;
        info.soubor = BezSlozky(cesta);
        info.prijemce = prijemce;
        info.server = ucet.server;
        if (!SpustitPraci(std::move(uloha), std::move(info))) {
            Zaneprazdneno();
            return;
        }
        hlaseni_.StavCesty(Formatovat(L"Začíná odesílání snímku \"%s\" na email %s.", BezSlozky(cesta).c_str(),
                                      prijemce.c_str()));
    } catch (const Knihovna::Chyba& chyba) {
        const std::wstring text = Formatovat(L"Nepodařilo se odeslat snímek \"%s\" na email %s.\n%s.", cesta.c_str(),
                                             prijemce.c_str(), Aplikace::Instance().PopisChybyCom(chyba).c_str());
        hlaseni_.LogKamery(text);
        hlaseni_.ZpravaCesty(3, text, se.zpravaIkona);
    }
}

void SnimkyEmailem::OznamitTest(HWND dialog, const std::wstring& text, bool chyba) const {
    HWND vlastnik = dialog && ::IsWindow(dialog) ? dialog : okno_;
    ::MessageBoxW(vlastnik, text.c_str(), Aplikace::Instance().Produkt().c_str(),
                  MB_OK | (chyba ? MB_ICONERROR : MB_ICONINFORMATION));
}

void SnimkyEmailem::OdeslatTest(HWND dialog, const ParametryKamery& hodnoty) {
    EmailovyUcet ucet;
    const bool ucetNalezen = KopieUctu(hodnoty.snimkyEmail.emailUcet, ucet);
    if (pracovnik_.Bezi()) {
        OznamitTest(dialog, L"Odesílání emailu této kamery právě probíhá, zkuste to prosím za chvíli znovu.", true);
        return;
    }
    if (const std::wstring chyba = ChybaStartuEmail(hodnoty, ucetNalezen ? &ucet : nullptr); !chyba.empty()) {
        OznamitTest(dialog, chyba, true);
        return;
    }
    VysledekPraceEmailu info;
    info.test = true;
    info.prijemce = OrezatAdresu(hodnoty.snimkyEmail.email);
    info.server = ucet.server;
    info.dialog = dialog;
    if (!SpustitPraci(Uloha(hodnoty, ucet, true), info)) return;
    hlaseni_.StavCesty(Formatovat(L"Začíná odesílání testovacího emailu na adresu %s.", info.prijemce.c_str()));
}

void SnimkyEmailem::Vysledek(LPARAM lp) {
    std::unique_ptr<VysledekPraceEmailu> prace(reinterpret_cast<VysledekPraceEmailu*>(lp));
    if (!prace) return;
    // The job has ended with its post: its thread is only returning, and is joined here.
    pracovnik_.Zastavit(std::chrono::milliseconds(2000));
    zaneprazdnenoHlaseno_ = false;
    const auto& se = parametry_.snimkyEmail;
    const auto& v = prace->vysledek;
    const wchar_t* prijemce = prace->prijemce.c_str();
    const wchar_t* soubor = prace->soubor.c_str();

    // Each refused recipient is told, whether the message went to the others or not.
    for (const OdmitnutaAdresa& o : v.odmitnute) {
        const std::wstring text = Formatovat(kTextOdmitnutaAdresa, prace->server.c_str(), o.adresa.c_str(),
                                             o.odpoved.c_str());
        hlaseni_.LogKamery(text);
        if (v.odeslano) hlaseni_.ZpravaCesty(2, text, se.zpravaIkona);
    }

    if (v.odeslano) {
        const std::wstring zprava = prace->test
                                        ? Formatovat(L"Testovací email byl úspěšně odeslán na adresu:\n%s.", prijemce)
                                        : Formatovat(L"Snímek \"%s\" byl úspěšně odeslán na email %s.", soubor, prijemce);
        const std::wstring log = prace->test ? Formatovat(L"Testovací email byl úspěšně odeslán na adresu %s.", prijemce)
                                             : zprava;
        if (parametry_.logovani.snimekEmail) hlaseni_.LogKamery(log);
        if (parametry_.zapisUdalosti.snimekEmail)
            hlaseni_.UdalostKamery(Formatovat(L"Tervik \"%s\": %s", jmeno_.c_str(), log.c_str()), false);
        if (prace->test) OznamitTest(prace->dialog, zprava, false);
        else if (v.odmitnute.empty()) hlaseni_.ZpravaCesty(1, zprava, se.zpravaIkona);
        else hlaseni_.StavCesty(zprava);
        return;
    }

    // A failure always leaves its line in the camera's log, with the step and the server's last reply.
    const std::wstring chyba = BezTeckyNaKonci(v.chyba);
    const std::wstring log = prace->test
                                 ? Formatovat(L"Nepodařilo se odeslat testovací email na adresu %s.\n%s.", prijemce,
                                              chyba.c_str())
                                 : Formatovat(L"Nepodařilo se odeslat snímek \"%s\" na email %s. (%s).", soubor, prijemce,
                                              chyba.c_str());
    hlaseni_.LogKamery(log);
    // In the hidden message mode the message itself becomes the error event: one entry, not two.
    if (parametry_.zapisUdalosti.snimekEmailChyba && Aplikace::Instance().RezimZprav_() != RezimZprav::Skryty)
        hlaseni_.UdalostKamery(Formatovat(L"Tervik \"%s\": %s", jmeno_.c_str(), log.c_str()), true);
    if (prace->test) {
        OznamitTest(prace->dialog, log, true);
    } else {
        hlaseni_.ZpravaCesty(3,
                             Formatovat(L"Nepodařilo se odeslat snímek \"%s\" na email %s.\n%s.", soubor, prijemce,
                                        chyba.c_str()),
                             se.zpravaIkona);
    }
    if (se.akcePriChybe & 1) ::PostMessageW(okno_, kZpravaChybaEmailu, 0, 0);
    if (se.akcePriChybe & 2) parametry_.akcePoSpusteni.snimkyEmail = false;
    if (se.akcePriChybe & 4) parametry_.poSpusteni = false;
}

void SnimkyEmailem::SpustitAutoEmail(bool videoZapnuto, std::uintptr_t parametr) {
    if (autoBezi_) return;
    if (!videoZapnuto) {
        hlaseni_.Pipnout();
        return;
    }
    EmailovyUcet ucet;
    const bool ucetNalezen = KopieUctu(parametry_.snimkyEmail.emailUcet, ucet);
    if (const std::wstring chyba = ChybaStartuEmail(parametry_, ucetNalezen ? &ucet : nullptr); !chyba.empty()) {
        hlaseni_.ZpravaCesty(3, chyba, parametry_.snimkyEmail.zpravaIkona);
        return;
    }
    const UINT perioda = static_cast<UINT>(std::max<std::uint64_t>(parametry_.snimkyEmail.interval, 1) * 1000);
    if (!::SetTimer(okno_, kCasovacEmail, perioda, nullptr)) Knihovna::WinApi::VyhoditPosledniChybu();
    autoBezi_ = true;
    zastavenoChybou_ = false;
    const TextyAktivity& texty = TextyAktivityKamery(AktivitaKamery::SnimkyEmail);
    if (texty.logStart && parametry_.logovani.*texty.prepinacStart) hlaseni_.LogKamery(texty.logStart);
    if (texty.udalostStart && parametry_.zapisUdalosti.*texty.prepinacStart)
        hlaseni_.UdalostKamery(Formatovat(texty.udalostStart, jmeno_.c_str()), false);
    // From the menu the first snapshot goes at once; after start one period later.
    if (parametr == 0) ::PostMessageW(okno_, WM_COMMAND, PrikazyKamery::kSnimekEmail, kPrikazCasovace);
    hlaseni_.ZmenaAktivit();
}

void SnimkyEmailem::ZastavitPoChybe() {
    if (!autoBezi_) return;
    zastavenoChybou_ = true;
    UkoncitAutoEmail();
}

void SnimkyEmailem::UkoncitAutoEmail() {
    if (!autoBezi_) return;
    ::KillTimer(okno_, kCasovacEmail);
    autoBezi_ = false;
    const TextyAktivity& texty = TextyAktivityKamery(AktivitaKamery::SnimkyEmail);
    if (texty.logStop && parametry_.logovani.*texty.prepinacStop) hlaseni_.LogKamery(texty.logStop);
    if (texty.udalostStop && parametry_.zapisUdalosti.*texty.prepinacStop)
        hlaseni_.UdalostKamery(Formatovat(texty.udalostStop, jmeno_.c_str()), false);
    hlaseni_.ZmenaAktivit();
}

void SnimkyEmailem::PouzitNastaveni() {
    parametry_.dalsiPrijemci = RozdelitDalsiEmaily(parametry_.snimkyEmail.dalsiEmaily);
    if (autoBezi_) {
        const UINT perioda = static_cast<UINT>(std::max<std::uint64_t>(parametry_.snimkyEmail.interval, 1) * 1000);
        if (!::SetTimer(okno_, kCasovacEmail, perioda, nullptr)) Knihovna::WinApi::VyhoditPosledniChybu();
    }
}

void SnimkyEmailem::Zavrit(std::chrono::milliseconds limit) {
    UkoncitAutoEmail();
    if (!pracovnik_.Bezi()) return;
    // The worker owns only copies: one that outlives the time-out finishes on its own, its post refused.
    const bool skoncil = pracovnik_.Zastavit(limit);
    hlaseni_.LogKamery(skoncil ? L"Probíhající odesílání snímku emailem bylo při vypnutí kamery přerušeno."
                               : L"Probíhající odesílání snímku emailem se při vypnutí kamery nepodařilo ukončit "
                                 L"včas; dokončí se samo.");
}
