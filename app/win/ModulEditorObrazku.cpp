#include "app/win/ModulEditorObrazku.h"

#include "app/win/Aplikace.h"
#include "app/win/OknoNastroje.h"
#include "resources/IdZdroju.h"

ModulEditorObrazku::ModulEditorObrazku() : ModulNastroje(IdZdroju::kPrikazEditorObrazku, IdZdroju::kTextNazevEditoruObrazku) {}

ModulEditorObrazku& ModulEditorObrazku::Instance() {
    static ModulEditorObrazku modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulEditorObrazku::VytvoritOkno() {
    auto okno = std::make_unique<OknoNastroje>(OknoNastroje::Trida(RezimSpusteni::EditorObrazku), Nazev());
    okno->Vytvorit();
    return okno;
}
