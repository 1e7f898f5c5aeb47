#include "ui/win/DlgNastaveniKamery.h"

#include "ui/StrankyNastaveniKamery.h"
#include "ui/win/DlgNastKamPlanovani.h"
#include "ui/win/DlgNastKamZarizeni.h"
#include "ui/win/DlgNastStrankaLogu.h"
#include "ui/win/DlgNastStrankaTabulky.h"

namespace K = StrankyNastaveniKamery;

DlgNastaveniKamery::DlgNastaveniKamery(ParametryKamery& parametry, std::mutex& zamek, Kontext kontext)
    : DlgNastaveni(Titulek(kontext.jmeno), kontext.produkt, kSirkaStranky, kVyskaStranky), parametry_(parametry), zamek_(zamek),
      kontext_(std::move(kontext)), kopie_(parametry), video_(parametry.zarizeni.video), zvuk_(parametry.zarizeni.zvuk),
      casy_(parametry.planovaneSnimky) {
    PridatStranku(std::make_unique<DlgNastKamZarizeni>(*kontext_.video, *kontext_.zvuk, video_, zvuk_));
    int id = kPrvniIdPrvku;
    for (const K::Stranka& s : K::Stranky()) {
        const std::wstring nazev = s.nazev;
        if (nazev == K::kStrankaPlanovani)
            PridatStranku(std::make_unique<DlgNastKamPlanovani>(s, kopie_, id, casy_, kontext_.produkt));
        else if (nazev == K::kStrankaZaznamu)
            PridatStranku(std::make_unique<DlgNastStrankaLogu>(s, kopie_, id, kontext_.cestaLogu));
        else
            PridatStranku(std::make_unique<DlgNastStrankaTabulky>(s, kopie_, id));
        id += DlgNastStrankaTabulky::kIdNaHodnotu * static_cast<int>(s.hodnoty.size());
    }
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

void DlgNastaveniKamery::Pouzito() {
    if (kontext_.poPouziti) kontext_.poPouziti();
}
