#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "video/DetailyProfilu.h"

struct IWMProfileManager;
struct IWMProfile;

namespace Holvent::DirectShow {

// One system profile of a Windows Media version, for the settings page's lists.
struct PolozkaProfilu {
    std::uint32_t index = 0;
    std::wstring nazev;
    bool video = false;
};

// The WM encoding profile of a capture object, of the WMV settings page and of the .prx editor.
// wmvcore.dll is loaded at run time; where Windows Media is missing or implements nothing (Wine),
// every operation raises Knihovna::Chyba with kTextWmvNedostupne as its text.
class ProfilWmv {
public:
    ProfilWmv();
    ~ProfilWmv();
    ProfilWmv(const ProfilWmv&) = delete;
    ProfilWmv& operator=(const ProfilWmv&) = delete;

    // Releases the profile and creates the profile manager anew.
    void Resetovat();
    void NacistSystemovyProfil(std::uint32_t index, std::uint32_t verze);
    // The file must exist (E_INVALIDARG); its UTF-16 text goes to the manager as it is.
    void NacistProfilPrx(const std::wstring& cesta);
    // Releases the profile and clears the details.
    void Uvolnit();
    // The system profiles of a version in index order (only those with a video stream when asked).
    std::vector<PolozkaProfilu> SystemoveProfily(std::uint32_t verze, bool jenSVideem);

    bool Nacten() const { return profil_ != nullptr; }
    const DetailyProfilu& Detaily() const { return detaily_; }
    // The loaded profile (null when none); the ASF writer is configured with it.
    IWMProfile* Profil() const { return profil_; }

private:
    IWMProfileManager* Spravce();
    // Takes over a profile the manager made and reads its details; a failure releases it again.
    void Prevzit(IWMProfile* profil);

    HMODULE modul_ = nullptr;  // wmvcore.dll
    IWMProfileManager* spravce_ = nullptr;
    IWMProfile* profil_ = nullptr;
    DetailyProfilu detaily_;
};

}  // namespace Holvent::DirectShow
