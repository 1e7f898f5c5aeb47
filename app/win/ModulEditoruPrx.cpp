#include "app/win/ModulEditoruPrx.h"

#include "app/win/Aplikace.h"
#include "app/win/OknoNastroje.h"
#include "resources/IdZdroju.h"

ModulEditoruPrx::ModulEditoruPrx() : ModulNastroje(IdZdroju::kPrikazEditorPrx, IdZdroju::kTextNazevEditoruPrx) {}

ModulEditoruPrx& ModulEditoruPrx::Instance() {
    static ModulEditoruPrx modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulEditoruPrx::VytvoritOkno() {
    auto okno = std::make_unique<OknoNastroje>(L"Tervik4EditorPrx", Nazev());
    okno->Vytvorit();
    return okno;
}
