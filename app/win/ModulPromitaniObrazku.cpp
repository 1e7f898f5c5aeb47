#include "app/win/ModulPromitaniObrazku.h"

#include "app/win/Aplikace.h"
#include "app/win/OknoNastroje.h"
#include "resources/IdZdroju.h"

ModulPromitaniObrazku::ModulPromitaniObrazku() : ModulNastroje(0, IdZdroju::kTextNazevPromitani) {}

ModulPromitaniObrazku& ModulPromitaniObrazku::Instance() {
    static ModulPromitaniObrazku modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulPromitaniObrazku::VytvoritOkno() {
    auto okno = std::make_unique<OknoNastroje>(L"Tervik4PromitaniObrazku", Nazev());
    okno->Vytvorit();
    return okno;
}

DWORD ModulPromitaniObrazku::CasZastaveni() const { return Aplikace::Instance().Nastaveni().casovyLimitPromitani; }
