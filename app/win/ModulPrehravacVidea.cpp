#include "app/win/ModulPrehravacVidea.h"

#include "app/win/Aplikace.h"
#include "resources/IdZdroju.h"
#include "video/win/PrehravacVidea.h"

ModulPrehravacVidea::ModulPrehravacVidea() : ModulNastroje(IdZdroju::kPrikazPrehravacVidea, IdZdroju::kTextNazevPrehravace) {}

ModulPrehravacVidea& ModulPrehravacVidea::Instance() {
    static ModulPrehravacVidea modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulPrehravacVidea::VytvoritOkno() {
    auto okno = std::make_unique<PrehravacVidea>();
    okno->Vytvorit(Nazev());
    return okno;
}

void ModulPrehravacVidea::OtevritSoubor(Knihovna::WinApi::Okno& okno, const std::wstring& soubor) {
    static_cast<PrehravacVidea&>(okno).Otevrit(soubor);
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulPrehravacVidea::VytvoritOknoPrehravace(const std::wstring& soubor) {
    auto okno = std::make_unique<PrehravacVidea>();
    okno->Vytvorit(Instance().Nazev());
    if (!soubor.empty()) okno->Otevrit(soubor);
    return okno;
}
