#include "ui/win/DlgNastaveniKamery.h"

#include <map>

#include "app/win/Aplikace.h"
#include "app/win/ModulEditoruPrx.h"
#include "ui/StrankyNastaveniKamery.h"
#include "ui/win/DlgNastKamEmail.h"
#include "ui/win/DlgNastKamFtp.h"
#include "ui/win/DlgNastKamPlanovani.h"
#include "ui/win/DlgNastKamZaznamAvi.h"
#include "ui/win/DlgNastKamZaznamWmv.h"
#include "ui/win/DlgNastKamZarizeni.h"
#include "ui/win/DlgNastKamZasuvneModuly.h"
#include "ui/win/DlgNastStrankaLogu.h"
#include "ui/win/DlgNastStrankaTabulky.h"

namespace K = StrankyNastaveniKamery;

DlgNastaveniKamery::DlgNastaveniKamery(ParametryKamery& parametry, std::mutex& zamek, Kontext kontext)
    : DlgNastaveniKamery(parametry, zamek, std::move(kontext), Aplikace::Instance().Ucty(),
                         Aplikace::Instance().FtpMista()) {}

DlgNastaveniKamery::DlgNastaveniKamery(ParametryKamery& parametry, std::mutex& zamek, Kontext kontext,
                                       Holvent::Email::SeznamUctu& ucty, const Holvent::Email::SeznamFtpMist& mista)
    : DlgNastaveni(Titulek(kontext.jmeno), kontext.produkt, kSirkaStranky, kVyskaStranky), parametry_(parametry), zamek_(zamek),
      kontext_(std::move(kontext)), kopie_(parametry), video_(parametry.zarizeni.video), zvuk_(parametry.zarizeni.zvuk),
      casy_(parametry.planovaneSnimky) {
    PridatStranku(std::make_unique<DlgNastKamZarizeni>(*kontext_.video, *kontext_.zvuk, video_, zvuk_));
    std::function<void(HWND)> test;
    if (kontext_.testovaciEmail) test = [this](HWND dialog) { TestovaciEmail(dialog); };
    std::map<std::wstring, int> indexy;  // of the pages added, by their names: a child names its parent
    int id = kPrvniIdPrvku;
    for (const K::Stranka& s : K::Stranky()) {
        const std::wstring nazev = s.nazev;
        std::unique_ptr<StrankaNastaveni> stranka;
        if (nazev == K::kStrankaPlanovani)
            stranka = std::make_unique<DlgNastKamPlanovani>(s, kopie_, id, casy_, kontext_.produkt);
        else if (nazev == K::kStrankaZaznamu)
            stranka = std::make_unique<DlgNastStrankaLogu>(s, kopie_, id, kontext_.cestaLogu);
        else if (nazev == K::kStrankaAdres)
            stranka = std::make_unique<DlgNastKamEmail>(s, kopie_, id, ucty, kontext_.produkt, test);
        else if (nazev == K::kStrankaFtpUmisteni)
            stranka = std::make_unique<DlgNastKamFtp>(s, kopie_, id, mista, kontext_.produkt);
        else if (nazev == K::kStrankaZaznamuAvi)
            stranka = std::make_unique<DlgNastKamZaznamAvi>(s, kopie_, id, kontext_.formaty);
        else if (nazev == K::kStrankaZaznamuWmv)
            stranka = std::make_unique<DlgNastKamZaznamWmv>(
                s, kopie_, id, [](const std::wstring& cesta) { ModulEditoruPrx::Instance().OtevritSoubor(cesta); });
        else
            stranka = std::make_unique<DlgNastStrankaTabulky>(s, kopie_, id);
        const auto rodic = s.rodic ? indexy.find(s.rodic) : indexy.end();
        indexy[nazev] = PridatStranku(std::move(stranka), rodic == indexy.end() ? -1 : rodic->second);
        id += DlgNastStrankaTabulky::kIdNaHodnotu * static_cast<int>(s.hodnoty.size());
    }
    if (kontext_.zmenaModulu)
        PridatStranku(std::make_unique<DlgNastKamZasuvneModuly>(kontext_.zasuvneModuly, kontext_.zmenaModulu,
                                                                kontext_.produkt));
}

bool DlgNastaveniKamery::Potvrdit() {
    {
        std::lock_guard zamek(zamek_);
        kopie_.Potvrdit(parametry_);
        parametry_.zarizeni.video = video_;
        parametry_.zarizeni.zvuk = zvuk_;
        parametry_.planovaneSnimky = casy_;
    }
    // Saved before the dialog closes: what it confirmed is in the registry, whatever the applying meets.
    if (kontext_.ulozit) kontext_.ulozit();
    return true;
}

void DlgNastaveniKamery::TestovaciEmail(HWND dialog) {
    // The camera's values with what the pages show over them; the record itself changes only with OK.
    ParametryKamery hodnoty;
    {
        std::lock_guard zamek(zamek_);
        hodnoty = parametry_;
    }
    kopie_.Zapsat(hodnoty);
    hodnoty.zarizeni.video = video_;
    hodnoty.zarizeni.zvuk = zvuk_;
    hodnoty.planovaneSnimky = casy_;
    hodnoty.dalsiPrijemci = RozdelitDalsiEmaily(hodnoty.snimkyEmail.dalsiEmaily);
    kontext_.testovaciEmail(dialog, hodnoty);
}

void DlgNastaveniKamery::Pouzito() {
    if (kontext_.poPouziti) kontext_.poPouziti();
}
