#include "app/win/ModulSitovyOvladac.h"

#include "app/win/Aplikace.h"
#include "app/win/OknoNastroje.h"
#include "knihovna/Formatovani.h"
#include "net/win/DlgSitovyOvladac.h"
#include "resources/IdZdroju.h"

ModulSitovyOvladac::ModulSitovyOvladac() : ModulNastroje(IdZdroju::kPrikazSitovyOvladac, 0) {}

ModulSitovyOvladac& ModulSitovyOvladac::Instance() {
    static ModulSitovyOvladac modul;
    return modul;
}

std::wstring ModulSitovyOvladac::Nazev() const { return OknoNastroje::NazevNastroje(RezimSpusteni::SitovyOvladac); }

int ModulSitovyOvladac::Zastavit(bool vynutit) {
    if (!vynutit && Bezi() && Zaneprazdnen()) return 1;
    if (vynutit) vynuceno_ = true;
    return ModulNastroje::Zastavit(vynutit);
}

void ModulSitovyOvladac::Hlasit(Selhani, const std::wstring& popis) { Aplikace::Instance().ZobrazitChybu(popis); }

std::unique_ptr<Knihovna::WinApi::Okno> ModulSitovyOvladac::VytvoritOkno() {
    vynuceno_ = false;
    return VytvoritOknoOvladace();
}

std::unique_ptr<OknoNastroje> ModulSitovyOvladac::VytvoritOknoOvladace() {
    auto& app = Aplikace::Instance();
    auto okno = std::make_unique<OknoNastroje>(OknoNastroje::Trida(RezimSpusteni::SitovyOvladac),
                                               Knihovna::Formatovat(L"Síťový ovladač - %s", app.Produkt().c_str()));
    okno->Vytvorit();
    auto& modul = Instance();
    auto dialog = std::make_unique<DlgSitovyOvladac>([&modul](bool ano) { modul.NastavitZaneprazdnen(ano); },
                                                     [&modul] { return modul.Vynuceno(); });
    dialog->Vytvorit(okno->Hwnd());
    // The frame takes the dialog's size, at the place it had last time.
    const SIZE velikost = dialog->VelikostRamce(okno->Hwnd());
    ::SetWindowPos(okno->Hwnd(), nullptr, 0, 0, velikost.cx, velikost.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    okno->NastavitObsah(std::move(dialog));
    return okno;
}
