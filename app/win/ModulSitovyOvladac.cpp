#include "app/win/ModulSitovyOvladac.h"

#include "app/win/Aplikace.h"
#include "app/win/OknoNastroje.h"
#include "resources/IdZdroju.h"

ModulSitovyOvladac::ModulSitovyOvladac() : ModulNastroje(IdZdroju::kPrikazSitovyOvladac, 0) {}

ModulSitovyOvladac& ModulSitovyOvladac::Instance() {
    static ModulSitovyOvladac modul;
    return modul;
}

std::wstring ModulSitovyOvladac::Nazev() const { return OknoNastroje::NazevNastroje(RezimSpusteni::SitovyOvladac); }

int ModulSitovyOvladac::Zastavit(bool vynutit) {
    if (!vynutit && Bezi() && Zaneprazdnen()) return 1;
    return ModulNastroje::Zastavit(vynutit);
}

void ModulSitovyOvladac::Hlasit(Selhani, const std::wstring& popis) { Aplikace::Instance().ZobrazitChybu(popis); }

std::unique_ptr<Knihovna::WinApi::Okno> ModulSitovyOvladac::VytvoritOkno() {
    auto okno = std::make_unique<OknoNastroje>(RezimSpusteni::SitovyOvladac);
    okno->Vytvorit();
    return okno;
}
