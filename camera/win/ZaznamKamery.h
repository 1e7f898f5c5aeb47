#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "camera/HlaseniCesty.h"
#include "camera/ParametryKamery.h"
#include "knihovna/win/StavovyRadek.h"
#include "video/RizeniZaznamu.h"
#include "video/win/ZachytavaniVidea.h"

// The video recording of a camera window: its commands, timers 4 and 5, the sink's message, the status-bar part
// and the stop at every end of the video. The window routes to it; the logic is RizeniZaznamu's.
class ZaznamKamery final : private HostitelZaznamu {
public:
    // prepnoutVideo(false/true) switches the window's video off and on; obnovit re-lays and refreshes its commands.
    ZaznamKamery(HWND okno, ParametryKamery& parametry, const std::wstring& jmenoKamery, Knihovna::Registr& registr,
                 std::wstring cestaKamery, const Knihovna::Hodiny& hodiny, HlaseniCesty& hlaseni,
                 Knihovna::WinApi::StavovyRadek& stavovyRadek, int castStavu,
                 std::function<void(bool)> prepnoutVideo, std::function<void()> obnovit);

    // 40055 (parametr 1: started by motion), 40056 to 40060; false for any other command.
    bool ProvestPrikaz(UINT prikaz, std::uintptr_t parametr, Holvent::DirectShow::ZachytavaniVidea& zachytavani);
    // Whether the menu and toolbar offer the command now (only the recording's commands; true for others).
    bool Povolen(UINT prikaz, bool video) const;
    // Greys the recording's commands of a menu by Povolen.
    void ZasedMenu(HMENU menu, bool video) const;
    // Timers 4 and 5; false for another timer.
    bool Casovac(UINT_PTR id, Holvent::DirectShow::ZachytavaniVidea& zachytavani);
    // The sink refused a write.
    void MistoNaDisku(Holvent::DirectShow::ZachytavaniVidea& zachytavani);
    // The video goes off (the device changes, the camera closes, the session ends): the file is finished and
    // nothing is rebuilt or asked.
    void Ukoncit(Holvent::DirectShow::ZachytavaniVidea& zachytavani);
    bool Bezi() const { return rizeni_.Bezi(); }
    // Who hears of a recording that ran out of space (the camera's disk-full guard); unset: a plain message.
    void NastavitHlaseniMista(std::function<void(const std::wstring&, std::uint32_t)> hlaseni) {
        hlaseniMista_ = std::move(hlaseni);
    }
    bool BeziRucne() const { return rizeni_.Bezi() && !rizeni_.SpustenPohybem(); }

private:
    bool NastavitCasovac(std::uintptr_t id, std::uint32_t perioda) override;
    void ZrusitCasovac(std::uintptr_t id) override;
    void ChybovyDialog(const std::wstring& text) override;
    void Zprava(int druh, const std::wstring& text, std::uint32_t zpravaIkona) override;
    void StavovyText(const std::wstring& text) override;
    void IkonaZaznamu(bool zobrazit) override;
    void TextZaznamu(const std::wstring& text) override;
    void LogKamery(const std::wstring& text) override;
    void UdalostKamery(const std::wstring& text) override;
    bool ZeptatSe(const std::wstring& otazka) override;
    std::wstring PopisChyby(const Knihovna::Chyba& chyba) override;
    std::vector<std::wstring> SouboryVeSlozce(const std::wstring& slozka) override;
    void Smazat(const std::vector<std::wstring>& soubory) override;
    bool SouborExistuje(const std::wstring& cesta) override;
    std::optional<std::uint64_t> VolneMisto(const std::wstring& slozka) override;
    std::wstring TextVelikosti(std::uint64_t bajty) override;
    void ObnovitNahled() override;
    void ObnovitPrikazy() override;
    void PoslatPrikaz(std::uint32_t prikaz) override;
    void NedostatekMista(const std::wstring& text, std::uint32_t zpravaIkona) override;

    void OtevritSlozku(bool prozkoumat);

    HWND okno_;
    ParametryKamery& parametry_;
    HlaseniCesty& hlaseni_;
    Knihovna::WinApi::StavovyRadek& stavovyRadek_;
    int castStavu_;
    std::function<void(bool)> prepnoutVideo_;
    std::function<void()> obnovit_;
    std::function<void(const std::wstring&, std::uint32_t)> hlaseniMista_;
    RizeniZaznamu rizeni_;
    // The preview's size before the recording: an AVI branch may have set its own on the device.
    int sirkaNahledu_ = 0;
    int vyskaNahledu_ = 0;
    const Holvent::DirectShow::ZachytavaniVidea* zachytavani_ = nullptr;  // during a call, for its last error
};
