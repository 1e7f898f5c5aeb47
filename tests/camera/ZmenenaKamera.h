#pragma once

// Shared by the native and the Wine tests of the camera record: a record with every stored value
// changed from its default, and a dump of everything stored below a key.

#include <map>
#include <memory>
#include <string>

#include "camera/ParametryKamery.h"
#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

inline KontextKamery TestovaciKontext() {
    static const SeznamZarizeni video{{L"Integrated Webcam", L"", L"\\\\?\\pci#int"}, {L"USB Camera", L"", L"\\\\?\\usb#1"}};
    static const SeznamZarizeni zvuk{{L"Mikrofon", L"", L"\\\\?\\hda#1"}};
    KontextKamery k;
    k.slozkaDat = L"C:\\Users\\pavel\\Documents\\Tervik 4.8";
    k.uzivatel = L"pavel";
    k.produkt = L"Tervik";
    k.zarizeniVideo = &video;
    k.zarizeniZvuk = &zvuk;
    k.pismo = PopisPisma::Vychozi();
    k.pismo.vyska = -13;
    k.pismo.NastavitJmenoPisma(L"Tahoma");
    return k;
}

inline void ZmenitBlok(ParametrySnimku& b, std::uint32_t n) {
    b.format = 1 + n % 4;  // one of the five formats, never the default 0
    b.kvalitaJpeg = 50 + n;
    b.velikost = 640 + static_cast<std::int32_t>(n);
    b.upravy = {true, 90, true, true, true};
    b.soubor = {100 + n, 23, 3, 0x00FF00FFu + n, L"C:\\logo" + std::to_wstring(n) + L".png"};
    b.text.barvaPisma = 0x123456 + n;
    b.text.logfont.vyska = -20 - static_cast<std::int32_t>(n);
    b.text.logfont.tloustka = 700;
    b.text.logfont.kurziva = 1;
    b.text.logfont.NastavitJmenoPisma(L"DejaVu Sans");
    b.text.poziceX = 5 + static_cast<std::int32_t>(n);
    b.text.poziceY = 7;
    b.text.pruhlednePismo = false;
    b.text.kde = 12;
    b.text.kdy = 3;
    b.text.sirkaPruhu = 33;
    b.text.co = 2;
    b.text.text = L"Dvůr č. " + std::to_wstring(n);
}

inline void ZmenitUdalosti(UdalostiKamery& u) { u = UdalostiKamery{true, true, true, true, true, true, true, true, true, true, true, true, true, true, true, true, true, true, true, true}; }

inline ParametryKamery ZmenenaKamera() {
    ParametryKamery k;
    k.NastavitVychozi(L"Dvůr", TestovaciKontext());
    k.indexIkony = 3;
    k.oznamovaciIkona = 0;
    k.poSpusteni = true;
    auto& dp = k.detekcePohybu;
    dp.interval = 250;
    dp.procentoZmen = 1500;
    dp.rozdilJasu = 40;
    dp.minSnimkuPohybu = 3;
    dp.strazSvetla = 60;
    dp.maska.NastavitObdelnik(0, 20, 31, 23, true);
    dp.disk = {false, 20, L"D:\\pohyb", {}};
    ZmenitBlok(dp.disk.snimek, 1);
    dp.email = {true, 600};
    dp.ftp = {true, 30};
    dp.video = {true, 12, 900, L"D:\\video pohyb"};
    auto& se = k.snimkyEmail;
    se.interval = 120;
    se.pocetSouboru = 3;
    se.vlastniSnimek = false;
    se.akcePriChybe = 5;
    se.toolBarCommand = 40041;
    se.zpravaIkona = 2;
    ZmenitBlok(se.snimek, 2);
    se.emailUcet = L"Domácí účet";
    se.email = L"pavel@example.cz";
    se.dalsiEmaily = L"a@example.cz;b@example.cz\r\nc@example.cz";
    se.htmlFormat = false;
    se.predmet = L"Pohyb na dvoře";
    se.text = L"Text zprávy";
    auto& sf = k.snimkyFtp;
    sf.interval = 20000;
    sf.maxPocetSouboru = 4;
    sf.vlastniSnimek = false;
    sf.akcePriChybe = 3;
    sf.toolBarCommand = 40040;
    sf.zpravaIkona = 0;
    ZmenitBlok(sf.snimek, 3);
    sf.server = L"ftp.example.cz";
    sf.uzivatel = L"web";
    sf.heslo = L"tajné";
    sf.zobrazovatHeslo = true;
    sf.pasivniRezim = false;
    sf.slozka = L"/www/kamera";
    sf.soubor = L"dvur";
    k.generHtml = {30, L"C:\\web\\index.html", L"Náš dvůr", L"Kamera na dvoře"};
    ZmenitUdalosti(k.logovani);
    ZmenitUdalosti(k.zapisUdalosti);
    k.souborLogu = {50000, 1};
    k.cileNaplanovanychSnimku = 7;
    k.planovaneSnimky = {ZabalitCas(6, 30, 0), ZabalitCas(18, 0, 15)};
    k.okno = {false, true, true, true, false, 2, false, true};
    k.ovladaniObrazu = {2, 3, 4, 5, 6, 7, 8, 9};
    k.akcePoSpusteni = {true, true, true, true, true, true, true, true};
    k.httpServer.heslo = L"server";
    k.httpServer.maxPocetVlaken = 4;
    k.httpServer.portServer = 8000;
    k.httpServer.refreshStranky = 5;
    k.httpServer.snimkuZaSekundu = 12;
    ZmenitBlok(k.httpServer.snimek, 4);
    auto& sd = k.snimkyDisk;
    sd.interval = 60000;
    sd.slozka = L"E:\\snímky";
    sd.otviratSnimekKdy = 3;
    sd.otviratSnimekCim = 11;
    sd.otviratSnimekJak = 3;
    sd.akcePriChybe = 0;
    sd.toolBarCommand = 40039;
    sd.zpravaIkona = 2;
    ZmenitBlok(sd.snimek, 5);
    sd.soubor = {1, L"dvur", 77, 100, 4, false};
    k.toolTipIkona = {1000, true};
    k.video = {true, 640, 480};
    k.zarizeni.video = {L"USB Camera", L"", L"\\\\?\\usb#1"};
    k.zarizeni.zvuk = {L"Linkový vstup", L"", L"\\\\?\\hda#2"};
    auto& zv = k.zaznamVidea;
    zv.format = 0;
    zv.slozka = L"E:\\video";
    zv.toolBarCommand = 40057;
    zv.zpravaIkona = 0;
    zv.avi = {25, 640, 480, true};
    zv.soubor = {2, L"zaznam", 9, 20, 3, false};
    zv.profil = {2, L"C:\\profil.prx", 3, 0x90000, 640, 480, true};
    k.uklid = {30, 500, 2048, true};
    k.obnoveni = {30, 20};
    k.zasuvneModuly = {{L"Vodoznak", L"C:\\moduly\\vodoznak.dll", true, false, true, false, true},
                       {L"Čas", L"C:\\moduly\\cas.dll", false, true, false, true, false}};
    k.dalsiPrijemci = RozdelitDalsiEmaily(se.dalsiEmaily);
    return k;
}

// Every value below the key, by "subkey path|value name" (lower case is not applied), with type and bytes.
inline void VypsatRegistr(Knihovna::Registr& registr, const std::wstring& cesta, const std::wstring& relativni,
                          std::map<std::wstring, std::string>& vypis) {
    std::unique_ptr<Knihovna::OtevrenyKlic> klic;
    if (registr.Otevrit(cesta, false, klic) != 0) return;
    std::wstring jmeno;
    for (std::uint32_t i = 0; klic->VyctiHodnotu(i, jmeno) == 0; ++i) {
        std::uint32_t typ = 0, velikost = 0;
        klic->CistHodnotu(jmeno, &typ, nullptr, &velikost);
        std::string data(velikost, '\0');
        klic->CistHodnotu(jmeno, &typ, data.data(), &velikost);
        data.resize(velikost);
        vypis[relativni + L"|" + jmeno] = std::to_string(typ) + ":" + data;
    }
    std::vector<std::wstring> podklice;
    for (std::uint32_t i = 0; klic->VyctiPodklic(i, jmeno) == 0; ++i) podklice.push_back(jmeno);
    klic->Zavrit();
    for (const auto& p : podklice)
        VypsatRegistr(registr, cesta + L"\\" + p, relativni.empty() ? p : relativni + L"\\" + p, vypis);
}
