#include "app/win/ModulPromitaniObrazku.h"

#include "app/win/Aplikace.h"
#include "imagetools/win/OknoPromitaniObrazku.h"
#include "resources/IdZdroju.h"

ModulPromitaniObrazku::ModulPromitaniObrazku() : ModulNastroje(0, IdZdroju::kTextNazevPromitani) {}

ModulPromitaniObrazku& ModulPromitaniObrazku::Instance() {
    static ModulPromitaniObrazku modul;
    return modul;
}

void ModulPromitaniObrazku::SpustitPromitani(const std::wstring& slozka) {
    if (Bezi()) return;
    slozka_ = slozka;
    Spustit();
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulPromitaniObrazku::VytvoritOkno() {
    const auto& n = Aplikace::Instance().Nastaveni();
    OknoPromitaniObrazku::Nastaveni nastaveni;
    nastaveni.barvaPozadi = n.barvaPozadi;
    nastaveni.interval = n.interval;
    nastaveni.cyklickyOpakovat = n.cyklickyOpakovat;
    auto okno = std::make_unique<OknoPromitaniObrazku>(slozka_, nastaveni);
    okno->Vytvorit();
    return okno;
}

DWORD ModulPromitaniObrazku::CasZastaveni() const { return Aplikace::Instance().Nastaveni().casovyLimitPromitani; }
