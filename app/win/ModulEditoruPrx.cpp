#include "app/win/ModulEditoruPrx.h"

#include <utility>

#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "resources/IdZdroju.h"
#include "video/win/EditorPrxSouboru.h"

ModulEditoruPrx::ModulEditoruPrx() : ModulNastroje(IdZdroju::kPrikazEditorPrx, IdZdroju::kTextNazevEditoruPrx) {}

ModulEditoruPrx& ModulEditoruPrx::Instance() {
    static ModulEditoruPrx modul;
    return modul;
}

std::unique_ptr<Knihovna::WinApi::Okno> ModulEditoruPrx::VytvoritOkno() {
    auto okno = std::make_unique<EditorPrxSouboru>(HlavniOkno(), [this] { return VyzvednoutSoubor(); });
    // The window asks for a held file once its loop runs, so that a file given while it was being made is not lost.
    okno->Vytvorit(Nazev());
    return okno;
}

void ModulEditoruPrx::OtevritSoubor(Knihovna::WinApi::Okno& okno, const std::wstring& soubor) {
    static_cast<EditorPrxSouboru&>(okno).Otevrit(soubor);
}

void ModulEditoruPrx::OtevritSoubor(const std::wstring& cesta) {
    HWND okno = nullptr;
    {
        std::lock_guard z(zamek_);
        cekajici_ = cesta;
        okno = OknoModulu();
    }
    if (!Bezi()) Spustit();
    else if (okno) ::PostMessageW(okno, kZpravaOtevritPrx, 0, 0);
}

std::wstring ModulEditoruPrx::VyzvednoutSoubor() {
    std::lock_guard z(zamek_);
    return std::exchange(cekajici_, std::wstring());
}
