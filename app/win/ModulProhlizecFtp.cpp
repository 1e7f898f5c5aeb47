#include "app/win/ModulProhlizecFtp.h"

#include "app/win/Aplikace.h"
#include "net/win/OknoProhlizecFtp.h"
#include "resources/IdZdroju.h"

ModulProhlizecFtp::ModulProhlizecFtp() : ModulNastroje(IdZdroju::kPrikazProhlizecFtp, IdZdroju::kTextNazevProhlizeceFtp) {}

ModulProhlizecFtp& ModulProhlizecFtp::Instance() {
    static ModulProhlizecFtp modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulProhlizecFtp::VytvoritOkno() {
    return VytvoritOknoProhlizece();
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulProhlizecFtp::VytvoritOknoProhlizece() {
    auto okno = std::make_unique<OknoProhlizecFtp>();
    okno->Vytvorit(Instance().Nazev());
    return okno;
}
