#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "imagetools/Promitani.h"
#include "knihovna/win/Okno.h"
#include "knihovna/win/UnikatniHandle.h"

// The slideshow: a full-screen popup over the primary screen that collects the pictures of a folder tree on a
// worker (showing how many it has found), then shows them one per interval. A picture that cannot be loaded shows
// its error text for one interval; the show goes on with the next.
class OknoPromitaniObrazku final : public Knihovna::WinApi::Okno {
public:
    struct Nastaveni {
        COLORREF barvaPozadi = 0;
        UINT interval = 5000;  // ms
        bool cyklickyOpakovat = false;
    };

    OknoPromitaniObrazku(std::wstring slozka, const Nastaveni& nastaveni);
    ~OknoPromitaniObrazku() override;

    // Creates and shows the window and starts the collection.
    void Vytvorit();

    static constexpr const wchar_t* kTrida = L"Tervik4PromitaniObrazku";

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    struct StavSberu;

    void SpustitSber();
    void ZastavitSber();
    void PoSberu(Holvent::Obrazky::VysledekSberu& vysledek);
    void DalsiObrazek();
    void NacistObrazek(const std::wstring& cesta);
    void Klavesa(WPARAM vk);
    void Kreslit(HDC dc, const RECT& klient);
    void NastavitText(const std::wstring& text);
    void SkrytKurzor(bool skryt);

    std::wstring slozka_;
    Nastaveni nastaveni_;
    Holvent::Obrazky::StavPromitani stav_;
    std::vector<std::wstring> soubory_;
    std::shared_ptr<StavSberu> sber_;
    HANDLE vlaknoSberu_ = nullptr;
    Knihovna::WinApi::UnikatniStetec pozadi_;
    Knihovna::WinApi::UnikatniFont pismo_;
    // The current picture scaled to its place on the screen once, at its load; painting only copies it.
    Knihovna::WinApi::UnikatniBitmapa obraz_;
    RECT umisteni_{};
    std::wstring text_;  // the collection's progress or the current picture's error, centred
    bool casovac_ = false;
    bool kurzorSkryt_ = false;
};
