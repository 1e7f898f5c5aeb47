#include "app/win/ModulPrehravacVidea.h"

#include "app/win/Aplikace.h"
#include "app/win/OknoNastroje.h"
#include "resources/IdZdroju.h"

ModulPrehravacVidea::ModulPrehravacVidea() : ModulNastroje(IdZdroju::kPrikazPrehravacVidea, IdZdroju::kTextNazevPrehravace) {}

ModulPrehravacVidea& ModulPrehravacVidea::Instance() {
    static ModulPrehravacVidea modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulPrehravacVidea::VytvoritOkno() {
    auto okno = std::make_unique<OknoNastroje>(OknoNastroje::Trida(RezimSpusteni::PrehravacVidea), Nazev());
    okno->Vytvorit();
    return okno;
}
