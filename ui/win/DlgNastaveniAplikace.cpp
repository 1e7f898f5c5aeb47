#include "ui/win/DlgNastaveniAplikace.h"

#include <mutex>

#include "app/win/Aplikace.h"
#include "resources/IdZdroju.h"
#include "ui/StrankyNastaveniAplikace.h"
#include "ui/win/DlgNastAplKlavesy.h"
#include "ui/win/DlgNastStrankaLogu.h"
#include "ui/win/DlgNastStrankaTabulky.h"

namespace S = StrankyNastaveniAplikace;

DlgNastaveniAplikace::DlgNastaveniAplikace(NastaveniAplikace& nastaveni, std::wstring produkt)
    : DlgNastaveni(L"Předvolby aplikace", produkt), nastaveni_(nastaveni), kopie_(nastaveni),
      klavesy_(nastaveni.horkeKlavesy) {
    int id = kPrvniIdPrvku;
    for (const S::Stranka& s : S::Stranky()) {
        if (std::wstring(s.nazev) == S::kStrankaZaznamu)
            PridatStranku(std::make_unique<DlgNastStrankaLogu>(s, kopie_, id, [] { return Aplikace::Instance().CestaLogu(); }));
        else
            PridatStranku(std::make_unique<DlgNastStrankaTabulky>(s, kopie_, id));
        id += DlgNastStrankaTabulky::kIdNaHodnotu * static_cast<int>(s.hodnoty.size());
    }
    PridatStranku(std::make_unique<DlgNastAplKlavesy>(klavesy_, std::move(produkt)));
}

bool DlgNastaveniAplikace::Potvrdit() {
    auto& app = Aplikace::Instance();
    {
        std::lock_guard zamek(nastaveni_.Zamek());
        kopie_.Potvrdit(nastaveni_);
        nastaveni_.horkeKlavesy = klavesy_;
    }
    try {
        nastaveni_.Ulozit(app.Registr());
    } catch (const Knihovna::Chyba& chyba) {
        // The values are in effect; the user learns that they will not survive a restart.
        app.HlasitChybuCom(IdZdroju::kTextChybaZapisuKonfigurace, chyba);
    }
    return true;
}
