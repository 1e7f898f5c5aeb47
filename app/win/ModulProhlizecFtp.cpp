#include "app/win/ModulProhlizecFtp.h"

#include "app/win/Aplikace.h"
#include "app/win/OknoNastroje.h"
#include "resources/IdZdroju.h"

ModulProhlizecFtp::ModulProhlizecFtp() : ModulNastroje(IdZdroju::kPrikazProhlizecFtp, IdZdroju::kTextNazevProhlizeceFtp) {}

ModulProhlizecFtp& ModulProhlizecFtp::Instance() {
    static ModulProhlizecFtp modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulProhlizecFtp::VytvoritOkno() {
    auto okno = std::make_unique<OknoNastroje>(OknoNastroje::Trida(RezimSpusteni::ProhlizecFtp), Nazev());
    okno->Vytvorit();
    return okno;
}
