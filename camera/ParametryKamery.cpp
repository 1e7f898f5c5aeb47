#include "camera/ParametryKamery.h"

#include <algorithm>
#include <cwchar>

#include "camera/CteniParametru.h"
#include "camera/PopisKamery.h"
#include "camera/ZapisParametru.h"
#include "knihovna/Formatovani.h"
#include "knihovna/RegistrKlic.h"
#include "ui/StrankyNastaveniKamery.h"

using namespace Knihovna;

namespace {

constexpr const wchar_t* kKlicPlanovanych = L"planovane_snimky";
constexpr const wchar_t* kKlicPozice = L"Pozice okna";
// The retention's sizes in MiB: up to 16 TiB, more than any drive the camera writes to.
constexpr std::uint32_t kNejviceMB = 16u << 20;
constexpr const wchar_t* kAdresaVyrobce = L"https://www.dunmarholvent.cz/software/tervik/";

std::wstring VychoziTextEmailu(bool html, const std::wstring& produkt) {
    if (html)
        return Formatovat(L"<h1>%s</h1>\r\n<p>Tento snímek pořídil a odeslal program %s. © Dunmar Holvent, všechna práva "
                          L"vyhrazena. <a href=\"%s\">%s</a></p>",
                          produkt.c_str(), produkt.c_str(), kAdresaVyrobce, kAdresaVyrobce);
    return Formatovat(L"%s\r\nTento snímek pořídil a odeslal program %s. © Dunmar Holvent, všechna práva vyhrazena.\r\n%s",
                      produkt.c_str(), produkt.c_str(), kAdresaVyrobce);
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

std::vector<Chyba> ParametryKamery::Nacist(Registr& registr, const std::wstring& cestaKamery,
                                           std::vector<std::wstring>* upozorneni) {
    std::vector<Chyba> chyby;
    try {
        NacistPlanovaneSnimky(planovaneSnimky, registr, cestaKamery, upozorneni);
        std::sort(planovaneSnimky.begin(), planovaneSnimky.end());
    } catch (const Chyba& c) {
        chyby.push_back(c);
    }
    {
        CteniParametru cteni(registr, cestaKamery, chyby, upozorneni, StrankyNastaveniKamery::HodnotaPripustna);
        PopsatKameru(cteni, *this, [&](const wchar_t* vlastnik, ParametrySnimku& b) {
            NacistBlokSnimku(b, registr, cestaKamery + L"\\" + vlastnik, chyby, upozorneni);
        });
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
        PopsatKameru(zapis, *this, [&](const wchar_t* vlastnik, const ParametrySnimku& b) {
            UlozitBlokSnimku(b, registr, cestaKamery + L"\\" + vlastnik);
        });
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

std::vector<std::wstring> RozdelitDalsiEmaily(const std::wstring& text) {
    std::vector<std::wstring> adresy;
    if (text.size() < 6) return adresy;
    // "a@x.cz; b@x.cz" must give "b@x.cz", not " b@x.cz" inside the angle brackets of RCPT TO.
    const auto pridat = [&](const std::wstring& kus) {
        const auto mezera = [](wchar_t z) { return z == L' ' || z == L'\t'; };
        std::size_t od = 0, po = kus.size();
        while (od < po && mezera(kus[od])) ++od;
        while (po > od && mezera(kus[po - 1])) --po;
        if (po > od) adresy.push_back(kus.substr(od, po - od));
    };
    std::wstring kus;
    for (wchar_t z : text) {
        if (z == L'\n' || z == L'\r' || z == L';') {
            pridat(kus);
            kus.clear();
        } else {
            kus += z;
        }
    }
    pridat(kus);
    return adresy;
}

std::wstring TextCasu(std::uint32_t cas) {
    return Formatovat(kTextCasu, static_cast<int>(HodinaCasu(cas)), static_cast<int>(MinutaCasu(cas)),
                      static_cast<int>(SekundaCasu(cas)));
}

std::optional<std::uint32_t> CasZTextu(std::wstring_view text) {
    const auto mezera = [](wchar_t z) { return z == L' ' || z == L'\t'; };
    while (!text.empty() && mezera(text.front())) text.remove_prefix(1);
    while (!text.empty() && mezera(text.back())) text.remove_suffix(1);
    // The listed form is taken back as well, so a time copied from the list can be typed in again.
    const std::wstring_view predpona = std::wstring_view(kTextCasu).substr(0, std::wstring_view(kTextCasu).find(L'%'));
    if (text.starts_with(predpona)) text.remove_prefix(predpona.size());
    std::uint32_t casti[3] = {0, 0, 0};
    int pocet = 0;
    while (true) {
        // The hour has one or two digits; minutes and seconds always two.
        std::size_t cislic = 0;
        std::uint32_t cislo = 0;
        while (cislic < text.size() && text[cislic] >= L'0' && text[cislic] <= L'9' && cislic < 2)
            cislo = cislo * 10 + static_cast<std::uint32_t>(text[cislic++] - L'0');
        if (cislic == 0 || (pocet > 0 && cislic != 2) || pocet == 3) return std::nullopt;
        casti[pocet++] = cislo;
        text.remove_prefix(cislic);
        if (text.empty()) break;
        if (text.front() != L':') return std::nullopt;
        text.remove_prefix(1);
    }
    if (pocet < 2 || casti[0] > 23 || casti[1] > 59 || casti[2] > 59) return std::nullopt;
    return ZabalitCas(casti[0], casti[1], casti[2]);
}

bool PridatPlanovanySnimek(std::vector<std::uint32_t>& planovane, std::uint32_t cas) {
    const auto misto = std::lower_bound(planovane.begin(), planovane.end(), cas);
    if (misto != planovane.end() && *misto == cas) return false;
    planovane.insert(misto, cas);
    return true;
}

int NacistPlanovaneSnimky(std::vector<std::uint32_t>& planovane, Registr& registr, const std::wstring& cestaKamery,
                          std::vector<std::wstring>* upozorneni) {
    planovane.clear();
    RegistrKlic klic(registr, cestaKamery);
    if (!klic.ZkusitOtevritCteni(kKlicPlanovanych)) return 1;
    for (const auto& jmeno : klic.JmenaHodnot()) {
        if (jmeno.empty() || jmeno.size() > 50) continue;
        // Only names that are whole decimal numbers of a time of day are entries; the data is not read. Anything
        // else (a hand-edited value, a negative name) would fire never or at a wrong time, and is left out.
        wchar_t* konec = nullptr;
        const long long cislo = std::wcstoll(jmeno.c_str(), &konec, 10);
        if (!konec || *konec != L'\0' || cislo < 0 || cislo > 0xFFFFFFFFll ||
            !PlatnyCas(static_cast<std::uint32_t>(cislo))) {
            if (upozorneni)
                upozorneni->push_back(Formatovat(
                    L"Hodnota \"%s\" v klíči registru \"%s\" není platný čas plánovaného snímku, vynechána.",
                    jmeno.c_str(), klic.CestaOtevreneho().c_str()));
            continue;
        }
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
    // Only times of day: their names are never negative, and load takes back exactly what is written.
    for (std::uint32_t cas : planovane)
        if (PlatnyCas(cas)) klic.ZapsatCislo(Formatovat(L"%d", static_cast<int>(cas)), cas);
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

bool PoziceOknaLzeUlozit(const Obdelnik& okno, const Obdelnik& obrazovka) {
    // A monitor left of or above the primary one has negative coordinates: they are stored as the
    // two's complement in the DWORD and read back signed.
    const long long sirka = okno.Sirka();
    const long long vyska = okno.Vyska();
    return okno.left >= obrazovka.left && okno.left <= obrazovka.right && okno.top >= obrazovka.top &&
           okno.top <= obrazovka.bottom && sirka >= 4 && sirka <= 2ll * obrazovka.Sirka() && vyska >= 4 &&
           vyska <= 2ll * obrazovka.Vyska();
}

bool UlozitPoziciOkna(const Obdelnik& okno, const Obdelnik& obrazovka, Registr& registr,
                      const std::wstring& cestaKamery) {
    if (!PoziceOknaLzeUlozit(okno, obrazovka)) return false;
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
        {L"Detekce pohybu", L"minSnimkuPohybu", 1, 10},
        {L"Detekce pohybu", L"strazSvetla", 0, 100},
        {L"Detekce pohybu\\Disk", L"minInterval", 1, 86400},
        {L"Detekce pohybu\\Email", L"minInterval", 1, 86400},
        {L"Detekce pohybu\\FTP", L"minInterval", 1, 86400},
        {L"Detekce pohybu\\Video", L"delkaZaznamu", 1, 3600},
        {L"Detekce pohybu\\Video", L"minInterval", 1, 86400},
        {L"HTTP server", L"portServer", 1, 65535},
        {L"HTTP server", L"maxPocetVlaken", 1, 64},
        {L"HTTP server", L"snimkuZaSekundu", 1, 30},
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
        {L"Uklid", L"maxStariDni", 0, 3650},
        {L"Uklid", L"minVolneMB", 0, kNejviceMB},
        {L"Uklid", L"maxVelikostMB", 0, kNejviceMB},
        {L"Obnoveni", L"limitBezSnimku", 0, 3600},
        {L"Obnoveni", L"intervalObnoveni", 1, 60},
    };
    return rozsahy;
}

const RozsahParametru* NajitRozsah(const std::wstring& klic, const std::wstring& jmeno) {
    for (const auto& r : RozsahyParametruKamery())
        if (klic == r.klic && jmeno == r.jmeno) return &r;
    return nullptr;
}
