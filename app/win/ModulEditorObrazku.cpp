#include "app/win/ModulEditorObrazku.h"

#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
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

void ModulEditorObrazku::OtevritObrazek(const std::wstring& cesta) {
    ModulEditorObrazku& modul = Instance();
    if (!modul.Bezi()) {
        modul.Spustit(cesta);
        return;
    }
    // The window takes the path over; one that is gone (or not there yet) refuses the post and the path is freed.
    auto kopie = std::make_unique<std::wstring>(cesta);
    HWND okno = modul.OknoModulu();
    if (okno && ::PostMessageW(okno, kZpravaOtevritObrazek, 0, reinterpret_cast<LPARAM>(kopie.get()))) kopie.release();
}
