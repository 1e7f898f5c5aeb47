#pragma once

#include "camera/ParametryKamery.h"

// The 20 event switches under klic, in their stored order.
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

// The naming of one kind of files under klic; the counter's value name differs between the kinds.
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

// The one description of the stored camera record between the scheduled list and the plug-in list, in the
// load order, for every walk over it (reading, writing, the settings dialog's copy). Prevod has Klic(subkey),
// Hodnota(name, field) for each field type and Zavrit(); blok(owner subkey, block) walks one snapshot block
// stored under that owner. P may be const.
template <class Prevod, class P, class Blok>
void PopsatKameru(Prevod& p, P& k, Blok&& blok) {
    p.Klic(nullptr);
    p.Hodnota(L"indexIkony", k.indexIkony);
    p.Hodnota(L"oznamovaciIkona", k.oznamovaciIkona);
    p.Hodnota(L"poSpusteni", k.poSpusteni);

    auto& dp = k.detekcePohybu;
    p.Klic(L"Detekce pohybu");
    p.Hodnota(L"interval", dp.interval);
    p.Hodnota(L"procentoZmen", dp.procentoZmen);
    p.Hodnota(L"rozdilJasu", dp.rozdilJasu);
    p.Hodnota(L"minSnimkuPohybu", dp.minSnimkuPohybu);
    p.Hodnota(L"strazSvetla", dp.strazSvetla);
    p.Hodnota(L"maska", dp.maska);
    p.Klic(L"Detekce pohybu\\Disk");
    p.Hodnota(L"aktivni", dp.disk.aktivni);
    p.Hodnota(L"minInterval", dp.disk.minInterval);
    p.Hodnota(L"slozka", dp.disk.slozka);
    blok(L"Detekce pohybu\\Disk", dp.disk.snimek);
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
    p.Hodnota(L"snimkuZaSekundu", hs.snimkuZaSekundu);
    blok(L"HTTP server", hs.snimek);

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
    blok(L"Snimky disk", sd.snimek);
    PopsatSoubor(p, L"Snimky disk\\Soubor", L"posledniCisloSnimku", sd.soubor);

    p.Klic(L"Snimky email");
    p.Hodnota(L"interval", se.interval);
    p.Hodnota(L"pocetSouboru", se.pocetSouboru);
    p.Hodnota(L"vlastniSnimek", se.vlastniSnimek);
    p.Hodnota(L"akcePriChybe", se.akcePriChybe);
    p.Hodnota(L"toolBarCommand", se.toolBarCommand);
    p.Hodnota(L"zpravaIkona", se.zpravaIkona);
    blok(L"Snimky email", se.snimek);

    p.Klic(L"Snimky FTP");
    p.Hodnota(L"interval", sf.interval);
    p.Hodnota(L"maxPocetSouboru", sf.maxPocetSouboru);
    p.Hodnota(L"vlastniSnimek", sf.vlastniSnimek);
    p.Hodnota(L"akcePriChybe", sf.akcePriChybe);
    p.Hodnota(L"toolBarCommand", sf.toolBarCommand);
    p.Hodnota(L"zpravaIkona", sf.zpravaIkona);
    blok(L"Snimky FTP", sf.snimek);

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

    // The storage retention, and its log switch beside the 20 events.
    p.Klic(L"Uklid");
    p.Hodnota(L"maxStariDni", k.uklid.maxStariDni);
    p.Hodnota(L"minVolneMB", k.uklid.minVolneMB);
    p.Hodnota(L"maxVelikostMB", k.uklid.maxVelikostMB);
    p.Klic(L"Logovani");
    p.Hodnota(L"uklid", k.uklid.logovat);
    p.Klic(L"Obnoveni");
    p.Hodnota(L"limitBezSnimku", k.obnoveni.limitBezSnimku);
    p.Hodnota(L"intervalObnoveni", k.obnoveni.intervalObnoveni);
    p.Zavrit();
}
