#include "camera/ParametryKamery.h"

#include <algorithm>
#include <cwchar>

#include "camera/CteniParametru.h"
#include "camera/ZapisParametru.h"
#include "knihovna/Formatovani.h"
#include "knihovna/RegistrKlic.h"

using namespace Knihovna;

namespace {

constexpr const wchar_t* kKlicPlanovanych = L"planovane_snimky";
constexpr const wchar_t* kKlicPozice = L"Pozice okna";

void Blok(CteniParametru& p, const wchar_t* vlastnik, ParametrySnimku& b) {
    NacistBlokSnimku(b, p.PouzityRegistr(), p.Koren() + L"\\" + vlastnik, p.Chyby());
}
void Blok(ZapisParametru& p, const wchar_t* vlastnik, const ParametrySnimku& b) {
    UlozitBlokSnimku(b, p.PouzityRegistr(), p.Koren() + L"\\" + vlastnik);
}

template <class Prevod, class U>
void PopsatUdalosti(Prevod& p, const wchar_t* klic, U& u) {
    p.Klic(klic);
    p.Hodnota(L"snimekEmail", u.snimekEmail);
    p.Hodnota(L"snimekEmailChyba", u.snimekEmailChyba);
    p.Hodnota(L"snimekFtp", u.snimekFtp);
    p.Hodnota(L"snimekFtpChyba", u.snimekFtpChyba);
    p.Hodnota(L"snimekServerHttp", u.snimekServerHttp);
    p.Hodnota(L"snimekServerHttpChyba", u.snimekServerHttpChyba);
    p.Hodnota(L"spusteni", u.spusteni);
    p.Hodnota(L"spusteniSnimkovaniDisk", u.spusteniSnimkovaniDisk);
    p.Hodnota(L"spusteniSnimkovaniEmail", u.spusteniSnimkovaniEmail);
    p.Hodnota(L"spusteniSnimkovaniFtp", u.spusteniSnimkovaniFtp);
    p.Hodnota(L"spusteniZaznamuVidea", u.spusteniZaznamuVidea);
    p.Hodnota(L"spusteniZaznamuVideaDP", u.spusteniZaznamuVideaDP);
    p.Hodnota(L"ukonceni", u.ukonceni);
    p.Hodnota(L"ukonceniSnimkovaniDisk", u.ukonceniSnimkovaniDisk);
    p.Hodnota(L"ukonceniSnimkovaniEmail", u.ukonceniSnimkovaniEmail);
    p.Hodnota(L"ukonceniSnimkovaniFtp", u.ukonceniSnimkovaniFtp);
    p.Hodnota(L"ukonceniZaznamuVidea", u.ukonceniZaznamuVidea);
    p.Hodnota(L"ukonceniZaznamuVideaDP", u.ukonceniZaznamuVideaDP);
    p.Hodnota(L"vypnutiVidea", u.vypnutiVidea);
    p.Hodnota(L"zapnutiVidea", u.zapnutiVidea);
}

template <class Prevod, class S>
void PopsatSoubor(Prevod& p, const wchar_t* klic, const wchar_t* jmenoCitace, S& s) {
    p.Klic(klic);
    p.Hodnota(L"vytvJmena", s.vytvJmena);
    p.Hodnota(L"jmeno", s.jmeno);
    p.Hodnota(jmenoCitace, s.posledniCislo);
    p.Hodnota(L"maxPocetSouboru", s.maxPocetSouboru);
    p.Hodnota(L"pocetMistCisla", s.pocetMistCisla);
    p.Hodnota(L"prepisovatStare", s.prepisovatStare);
}

// The one description of the stored record between the scheduled list and the plug-in list, in
// the load order; saving walks the same description (P may be const).
template <class Prevod, class P>
void PopsatKameru(Prevod& p, P& k) {
    p.Klic(nullptr);
    p.Hodnota(L"indexIkony", k.indexIkony);
    p.Hodnota(L"oznamovaciIkona", k.oznamovaciIkona);
    p.Hodnota(L"poSpusteni", k.poSpusteni);

    auto& dp = k.detekcePohybu;
    p.Klic(L"Detekce pohybu");
    p.Hodnota(L"interval", dp.interval);
    p.Hodnota(L"procentoZmen", dp.procentoZmen);
    p.Hodnota(L"rozdilJasu", dp.rozdilJasu);
    p.Klic(L"Detekce pohybu\\Disk");
    p.Hodnota(L"aktivni", dp.disk.aktivni);
    p.Hodnota(L"minInterval", dp.disk.minInterval);
    p.Hodnota(L"slozka", dp.disk.slozka);
    Blok(p, L"Detekce pohybu\\Disk", dp.disk.snimek);
    p.Klic(L"Detekce pohybu\\Email");
    p.Hodnota(L"aktivni", dp.email.aktivni);
    p.Hodnota(L"minInterval", dp.email.minInterval);
    p.Klic(L"Detekce pohybu\\FTP");
    p.Hodnota(L"aktivni", dp.ftp.aktivni);
    p.Hodnota(L"minInterval", dp.ftp.minInterval);
    p.Klic(L"Detekce pohybu\\Video");
    p.Hodnota(L"aktivni", dp.video.aktivni);
    p.Hodnota(L"delkaZaznamu", dp.video.delkaZaznamu);
    p.Hodnota(L"minInterval", dp.video.minInterval);
    p.Hodnota(L"slozka", dp.video.slozka);

    auto& se = k.snimkyEmail;
    p.Klic(L"Snimky email\\Odesilatel");
    p.Hodnota(L"emailUcet", se.emailUcet);
    p.Klic(L"Snimky email\\Prijemce");
    p.Hodnota(L"email", se.email);
    p.Hodnota(L"dalsiEmaily", se.dalsiEmaily);
    p.Klic(L"Snimky email\\Zprava");
    p.Hodnota(L"htmlFormat", se.htmlFormat);
    p.Hodnota(L"predmet", se.predmet);
    p.Hodnota(L"text", se.text);

    auto& sf = k.snimkyFtp;
    p.Klic(L"Snimky FTP\\FTP umisteni");
    p.Hodnota(L"server", sf.server);
    p.Hodnota(L"uzivatel", sf.uzivatel);
    p.Hodnota(L"heslo", sf.heslo);
    p.Hodnota(L"zobrazovatHeslo", sf.zobrazovatHeslo);
    p.Hodnota(L"pasivniRezim", sf.pasivniRezim);
    p.Hodnota(L"slozka", sf.slozka);
    p.Hodnota(L"soubor", sf.soubor);

    p.Klic(L"Gener HTML");
    p.Hodnota(L"refresh", k.generHtml.refresh);
    p.Hodnota(L"soubor", k.generHtml.soubor);
    p.Hodnota(L"tagH1", k.generHtml.tagH1);
    p.Hodnota(L"title", k.generHtml.title);

    PopsatUdalosti(p, L"Logovani", k.logovani);

    p.Klic(L"param_planovane_snimky");
    p.Hodnota(L"parametry", k.cileNaplanovanychSnimku);

    auto& o = k.okno;
    p.Klic(L"Okno");
    p.Hodnota(L"menu", o.menu);
    p.Hodnota(L"navrchu", o.navrchu);
    p.Hodnota(L"ovladaniKamery", o.ovladaniKamery);
    p.Hodnota(L"pruhledne", o.pruhledne);
    p.Hodnota(L"statusBar", o.statusBar);
    p.Hodnota(L"titulek", o.titulek);
    p.Hodnota(L"toolBarHlavni", o.toolBarHlavni);
    p.Hodnota(L"zarizeniVideo", o.zarizeniVideo);

    auto& oo = k.ovladaniObrazu;
    p.Klic(L"Ovladani obrazu");
    p.Hodnota(L"krokKontrast", oo.krokKontrast);
    p.Hodnota(L"krokOdstin", oo.krokOdstin);
    p.Hodnota(L"krokOstreni", oo.krokOstreni);
    p.Hodnota(L"krokPan", oo.krokPan);
    p.Hodnota(L"krokRoll", oo.krokRoll);
    p.Hodnota(L"krokSytost", oo.krokSytost);
    p.Hodnota(L"krokTilt", oo.krokTilt);
    p.Hodnota(L"krokZoom", oo.krokZoom);

    auto& ps = k.akcePoSpusteni;
    p.Klic(L"Po spusteni");
    p.Hodnota(L"zapnoutVideo", ps.zapnoutVideo);
    p.Hodnota(L"snimkyDisk", ps.snimkyDisk);
    p.Hodnota(L"snimkyEmail", ps.snimkyEmail);
    p.Hodnota(L"snimkyFtp", ps.snimkyFtp);
    p.Hodnota(L"serverHttp", ps.serverHttp);
    p.Hodnota(L"detekcePohybu", ps.detekcePohybu);
    p.Hodnota(L"planovaneSnimkovani", ps.planovaneSnimkovani);
    p.Hodnota(L"minimalizovat", ps.minimalizovat);

    auto& hs = k.httpServer;
    p.Klic(L"HTTP server");
    p.Hodnota(L"heslo", hs.heslo);
    p.Hodnota(L"maxPocetVlaken", hs.maxPocetVlaken);
    p.Hodnota(L"portServer", hs.portServer);
    p.Hodnota(L"refreshStranky", hs.refreshStranky);
    Blok(p, L"HTTP server", hs.snimek);

    auto& sd = k.snimkyDisk;
    p.Klic(L"Snimky disk");
    p.Hodnota(L"interval", sd.interval);
    p.Hodnota(L"slozka", sd.slozka);
    p.Hodnota(L"otviratSnimekKdy", sd.otviratSnimekKdy);
    p.Hodnota(L"otviratSnimekCim", sd.otviratSnimekCim);
    p.Hodnota(L"otviratSnimekJak", sd.otviratSnimekJak);
    p.Hodnota(L"akcePriChybe", sd.akcePriChybe);
    p.Hodnota(L"toolBarCommand", sd.toolBarCommand);
    p.Hodnota(L"zpravaIkona", sd.zpravaIkona);
    Blok(p, L"Snimky disk", sd.snimek);
    PopsatSoubor(p, L"Snimky disk\\Soubor", L"posledniCisloSnimku", sd.soubor);

    p.Klic(L"Snimky email");
    p.Hodnota(L"interval", se.interval);
    p.Hodnota(L"pocetSouboru", se.pocetSouboru);
    p.Hodnota(L"vlastniSnimek", se.vlastniSnimek);
    p.Hodnota(L"akcePriChybe", se.akcePriChybe);
    p.Hodnota(L"toolBarCommand", se.toolBarCommand);
    p.Hodnota(L"zpravaIkona", se.zpravaIkona);
    Blok(p, L"Snimky email", se.snimek);

    p.Klic(L"Snimky FTP");
    p.Hodnota(L"interval", sf.interval);
    p.Hodnota(L"maxPocetSouboru", sf.maxPocetSouboru);
    p.Hodnota(L"vlastniSnimek", sf.vlastniSnimek);
    p.Hodnota(L"akcePriChybe", sf.akcePriChybe);
    p.Hodnota(L"toolBarCommand", sf.toolBarCommand);
    p.Hodnota(L"zpravaIkona", sf.zpravaIkona);
    Blok(p, L"Snimky FTP", sf.snimek);

    p.Klic(L"Logovani\\Soubor");
    p.Hodnota(L"maxVelikost", k.souborLogu.maxVelikost);
    p.Hodnota(L"priNaplneni", k.souborLogu.priNaplneni);

    p.Klic(L"ToolTipIkona");
    p.Hodnota(L"intervalSnimku", k.toolTipIkona.intervalSnimku);
    p.Hodnota(L"obraz", k.toolTipIkona.obraz);

    p.Klic(L"Video");
    p.Hodnota(L"prizpusobovatOknu", k.video.prizpusobovatOknu);
    p.Hodnota(L"sirka", k.video.sirka);
    p.Hodnota(L"vyska", k.video.vyska);

    PopsatUdalosti(p, L"Zapis udalosti", k.zapisUdalosti);

    p.Klic(L"Zarizeni");
    p.Hodnota(L"zarizeniVideo_friendlyName", k.zarizeni.video.friendlyName);
    p.Hodnota(L"zarizeniVideo_devicePath", k.zarizeni.video.devicePath);
    p.Hodnota(L"zarizeniZvuk_friendlyName", k.zarizeni.zvuk.friendlyName);
    p.Hodnota(L"zarizeniZvuk_devicePath", k.zarizeni.zvuk.devicePath);

    auto& zv = k.zaznamVidea;
    p.Klic(L"Zaznam videa");
    p.Hodnota(L"format", zv.format);
    p.Hodnota(L"slozka", zv.slozka);
    p.Hodnota(L"toolBarCommand", zv.toolBarCommand);
    p.Hodnota(L"zpravaIkona", zv.zpravaIkona);
    p.Klic(L"Zaznam videa\\AVI");
    p.Hodnota(L"frekvence", zv.avi.frekvence);
    p.Hodnota(L"sirkaVidea", zv.avi.sirkaVidea);
    p.Hodnota(L"vyskaVidea", zv.avi.vyskaVidea);
    p.Hodnota(L"zvuk", zv.avi.zvuk);
    PopsatSoubor(p, L"Zaznam videa\\Soubor", L"posledniCislo", zv.soubor);
    p.Klic(L"Zaznam videa\\WMV\\Profil");
    p.Hodnota(L"index", zv.profil.index);
    p.Hodnota(L"souborPrx", zv.profil.souborPrx);
    p.Hodnota(L"typ", zv.profil.typ);
    p.Hodnota(L"verzeWM", zv.profil.verzeWM);
    p.Hodnota(L"vstupSirka", zv.profil.vstupSirka);
    p.Hodnota(L"vstupVyska", zv.profil.vstupVyska);
    p.Hodnota(L"zvuk", zv.profil.zvuk);
    p.Zavrit();
}

std::wstring VychoziTextEmailu(bool html, const std::wstring& produkt) {
    if (html)
        return Formatovat(L"<h1>Snímek z webové kamery</h1>\r\n<p>Tento snímek pořídil a odeslal program %s.</p>",
                          produkt.c_str());
    return Formatovat(L"Snímek z webové kamery\r\n\r\nTento snímek pořídil a odeslal program %s.", produkt.c_str());
}

}  // namespace

void ParametryKamery::NastavitVychozi(const std::wstring& jmenoKamery, const KontextKamery& kontext) {
    *this = ParametryKamery{};
    const ParametrySnimku blok = ParametrySnimku::Vychozi(kontext.pismo);
    detekcePohybu.disk.snimek = httpServer.snimek = snimkyDisk.snimek = snimkyEmail.snimek = snimkyFtp.snimek = blok;
    detekcePohybu.disk.slozka = detekcePohybu.video.slozka = snimkyDisk.slozka = zaznamVidea.slozka =
        kontext.slozkaDat;
    snimkyEmail.text = VychoziTextEmailu(snimkyEmail.htmlFormat, kontext.produkt);
    snimkyFtp.uzivatel = kontext.uzivatel;
    generHtml.title = kontext.produkt;
    std::wstring jmenoSouboru = jmenoKamery;
    if (!jmenoSouboru.empty()) NahraditZnaky(jmenoSouboru, L'_');
    snimkyDisk.soubor.jmeno = zaznamVidea.soubor.jmeno = jmenoSouboru;
    if (kontext.zarizeniVideo && !kontext.zarizeniVideo->empty()) zarizeni.video = kontext.zarizeniVideo->front();
    if (kontext.zarizeniZvuk && !kontext.zarizeniZvuk->empty()) zarizeni.zvuk = kontext.zarizeniZvuk->front();
}

std::vector<Chyba> ParametryKamery::Nacist(Registr& registr, const std::wstring& cestaKamery) {
    std::vector<Chyba> chyby;
    try {
        NacistPlanovaneSnimky(planovaneSnimky, registr, cestaKamery);
        std::sort(planovaneSnimky.begin(), planovaneSnimky.end());
    } catch (const Chyba& c) {
        chyby.push_back(c);
    }
    {
        CteniParametru cteni(registr, cestaKamery, chyby);
        PopsatKameru(cteni, *this);
    }
    dalsiPrijemci = RozdelitDalsiEmaily(snimkyEmail.dalsiEmaily);
    zasuvneModuly = NacistZasuvneModuly(registr, cestaKamery, chyby);
    return chyby;
}

void ParametryKamery::Ulozit(Registr& registr, const std::wstring& cestaKamery) const {
    if (UlozitPlanovaneSnimky(planovaneSnimky, registr, cestaKamery) != 0)
        Vyhodit(kE_FAIL, L"Seznam plánovaných snímků nelze zapsat do registru Windows.");
    {
        ZapisParametru zapis(registr, cestaKamery);
        PopsatKameru(zapis, *this);
    }
    UlozitZasuvneModuly(zasuvneModuly, registr, cestaKamery);
}

std::wstring CestaKamery(const std::wstring& koren, const std::wstring& jmeno) {
    return Formatovat(L"%s\\%s\\%s", koren.c_str(), kKlicKamer, jmeno.c_str());
}

void NahraditZnaky(std::wstring& text, wchar_t nahrada) {
    if (text.empty()) Vyhodit(kE_INVALIDARG, L"Text pro náhradu znaků je prázdný.");
    static constexpr wchar_t kZnaky[] = L"/\\+?*:;!<>|'\"";
    for (wchar_t& z : text)
        if (std::wcschr(kZnaky, z) && z != L'\0') z = nahrada;
}

std::wstring CestaLoguKamery(const std::wstring& slozkaDat, const std::wstring& jmenoKamery) {
    std::wstring jmeno = jmenoKamery;
    NahraditZnaky(jmeno, L'_');
    return slozkaDat + L"\\" + jmeno + L".log";
}

std::vector<std::wstring> RozdelitDalsiEmaily(const std::wstring& text) {
    std::vector<std::wstring> adresy;
    if (text.size() < 6) return adresy;
    std::wstring kus;
    for (wchar_t z : text) {
        if (z == L'\n' || z == L'\r' || z == L';') {
            if (!kus.empty()) adresy.push_back(std::move(kus));
            kus.clear();
        } else {
            kus += z;
        }
    }
    if (!kus.empty()) adresy.push_back(std::move(kus));
    return adresy;
}

std::wstring TextCasu(std::uint32_t cas) {
    return Formatovat(L"Čas: %d:%.2d:%.2d", static_cast<int>(HodinaCasu(cas)), static_cast<int>(MinutaCasu(cas)),
                      static_cast<int>(SekundaCasu(cas)));
}

bool PridatPlanovanySnimek(std::vector<std::uint32_t>& planovane, std::uint32_t cas) {
    const auto misto = std::lower_bound(planovane.begin(), planovane.end(), cas);
    if (misto != planovane.end() && *misto == cas) return false;
    planovane.insert(misto, cas);
    return true;
}

int NacistPlanovaneSnimky(std::vector<std::uint32_t>& planovane, Registr& registr, const std::wstring& cestaKamery) {
    planovane.clear();
    RegistrKlic klic(registr, cestaKamery);
    if (!klic.ZkusitOtevritCteni(kKlicPlanovanych)) return 1;
    for (const auto& jmeno : klic.JmenaHodnot()) {
        if (jmeno.empty() || jmeno.size() > 50) continue;
        // Only names that are whole decimal numbers are entries; the data is not read.
        wchar_t* konec = nullptr;
        const long long cislo = std::wcstoll(jmeno.c_str(), &konec, 10);
        if (!konec || *konec != L'\0' || cislo < 0 || cislo > 0xFFFFFFFFll) continue;
        const auto cas = static_cast<std::uint32_t>(cislo);
        if (std::find(planovane.begin(), planovane.end(), cas) == planovane.end()) planovane.push_back(cas);
    }
    klic.Zavrit();
    return 0;
}

int UlozitPlanovaneSnimky(const std::vector<std::uint32_t>& planovane, Registr& registr,
                          const std::wstring& cestaKamery) {
    RegistrKlic klic(registr, cestaKamery);
    klic.SmazatPodklic(kKlicPlanovanych);
    try {
        klic.OtevritZapis(kKlicPlanovanych);
    } catch (const Chyba&) {
        return 1;
    }
    for (std::uint32_t cas : planovane) klic.ZapsatCislo(Formatovat(L"%d", static_cast<int>(cas)), cas);
    klic.Zavrit();
    return 0;
}

std::optional<PoziceOkna> NacistPoziciOkna(Registr& registr, const std::wstring& cestaKamery) {
    RegistrKlic klic(registr, cestaKamery);
    if (!klic.ZkusitOtevritCteni(kKlicPozice)) return std::nullopt;
    PoziceOkna p;
    const int chybi = klic.CistCislo(L"x", p.x) + klic.CistCislo(L"y", p.y) + klic.CistCislo(L"sirka", p.sirka) +
                      klic.CistCislo(L"vyska", p.vyska);
    klic.Zavrit();
    if (chybi) return std::nullopt;
    return p;
}

bool PoziceOknaLzeUlozit(const Obdelnik& okno, int sirkaObrazovky, int vyskaObrazovky) {
    const long long sirka = okno.Sirka();
    const long long vyska = okno.Vyska();
    return okno.left >= 0 && okno.left <= sirkaObrazovky && okno.top >= 0 && okno.top <= vyskaObrazovky &&
           sirka >= 4 && sirka <= 2ll * sirkaObrazovky && vyska >= 4 && vyska <= 2ll * vyskaObrazovky;
}

bool UlozitPoziciOkna(const Obdelnik& okno, int sirkaObrazovky, int vyskaObrazovky, Registr& registr,
                      const std::wstring& cestaKamery) {
    if (!PoziceOknaLzeUlozit(okno, sirkaObrazovky, vyskaObrazovky)) return false;
    RegistrKlic klic(registr, cestaKamery);
    klic.OtevritZapis(kKlicPozice);
    klic.ZapsatCislo(L"x", static_cast<std::uint32_t>(okno.left));
    klic.ZapsatCislo(L"y", static_cast<std::uint32_t>(okno.top));
    klic.ZapsatCislo(L"sirka", static_cast<std::uint32_t>(okno.Sirka()));
    klic.ZapsatCislo(L"vyska", static_cast<std::uint32_t>(okno.Vyska()));
    klic.Zavrit();
    return true;
}

const std::vector<RozsahParametru>& RozsahyParametruKamery() {
    static const std::vector<RozsahParametru> rozsahy = {
        {L"Detekce pohybu", L"interval", 100, 0xFFFFFFFFu},
        {L"Detekce pohybu", L"procentoZmen", 1, 100000},
        {L"Detekce pohybu", L"rozdilJasu", 1, 255},
        {L"Detekce pohybu\\Disk", L"minInterval", 1, 86400},
        {L"Detekce pohybu\\Email", L"minInterval", 1, 86400},
        {L"Detekce pohybu\\FTP", L"minInterval", 1, 86400},
        {L"Detekce pohybu\\Video", L"delkaZaznamu", 1, 3600},
        {L"Detekce pohybu\\Video", L"minInterval", 1, 86400},
        {L"Logovani\\Soubor", L"maxVelikost", 10000, 52428800},
        {L"Snimky disk", L"otviratSnimekKdy", 0, 3},
        {L"Snimky disk", L"zpravaIkona", 0, 2},
        {L"Snimky disk\\Soubor", L"vytvJmena", 0, 2},
        {L"Snimky disk\\Soubor", L"maxPocetSouboru", 1, 10000000},
        {L"Snimky disk\\Soubor", L"pocetMistCisla", 1, 20},
        {L"Snimky email", L"interval", 1, 86400},
        {L"Snimky email", L"pocetSouboru", 1, 4000},
        {L"Snimky email", L"zpravaIkona", 0, 2},
        {L"Snimky FTP", L"interval", 1, 864000},
        {L"Snimky FTP", L"maxPocetSouboru", 1, 4000},
        {L"Snimky FTP", L"zpravaIkona", 0, 2},
        {L"ToolTipIkona", L"intervalSnimku", 100, 30000},
        {L"Zaznam videa", L"zpravaIkona", 0, 2},
        {L"Zaznam videa\\AVI", L"frekvence", 1, 30},
        {L"Zaznam videa\\AVI", L"sirkaVidea", 120, 3000},
        {L"Zaznam videa\\AVI", L"vyskaVidea", 80, 2000},
        {L"Zaznam videa\\Soubor", L"vytvJmena", 0, 2},
        {L"Zaznam videa\\Soubor", L"maxPocetSouboru", 1, 10000000},
        {L"Zaznam videa\\Soubor", L"pocetMistCisla", 1, 20},
        {L"Snimek", L"kvalitaJpeg", 0, 100},
        {L"Snimek\\Soubor", L"alfa", 1, 255},
    };
    return rozsahy;
}

const RozsahParametru* NajitRozsah(const std::wstring& klic, const std::wstring& jmeno) {
    for (const auto& r : RozsahyParametruKamery())
        if (klic == r.klic && jmeno == r.jmeno) return &r;
    return nullptr;
}
