#include "app/win/ModulEditorObrazku.h"

#include "app/win/Aplikace.h"
#include "imagetools/win/OknoEditorObrazku.h"
#include "resources/IdZdroju.h"

ModulEditorObrazku::ModulEditorObrazku() : ModulNastroje(IdZdroju::kPrikazEditorObrazku, IdZdroju::kTextNazevEditoruObrazku) {}

ModulEditorObrazku& ModulEditorObrazku::Instance() {
    static ModulEditorObrazku modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulEditorObrazku::VytvoritOkno() {
    auto okno = std::make_unique<OknoEditorObrazku>();
    okno->Vytvorit(Nazev());
    return okno;
}

void ModulEditorObrazku::OtevritSoubor(Knihovna::WinApi::Okno& okno, const std::wstring& soubor) {
    static_cast<OknoEditorObrazku&>(okno).Otevrit(soubor);
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulEditorObrazku::VytvoritOknoEditoru(const std::wstring& soubor) {
    auto okno = std::make_unique<OknoEditorObrazku>();
    okno->Vytvorit(Instance().Nazev());
    if (!soubor.empty()) okno->Otevrit(soubor);
    return okno;
}
