#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "camera/DruhSnimku.h"
#include "camera/HlaseniSnimku.h"
#include "camera/ParametryKamery.h"
#include "camera/StavSnimku.h"
#include "camera/win/ZpracovaniSnimku.h"
#include "knihovna/Hodiny.h"
#include "knihovna/Registr.h"
#include "video/win/ZachytavaniVidea.h"

inline constexpr std::uintptr_t kPrikazCasovaceDisku = 40039;

inline constexpr const wchar_t* kTextChybaCestySnimku =
    L"Nepodařilo se získat na základě nastavení cestu k souboru pro uložení snímku na disk.";
// A snapshot that failed for lack of space ("%s" the folder).
inline constexpr const wchar_t* kTextMistoSnimku = L"Snímek nelze uložit do složky \"%s\": na disku není volné místo.";

// The disk snapshots of one camera and its frame-ready handler: saving through the capture
// object, deleting the numbered snapshots, resetting the numbering, opening a saved file. Runs on
// the camera's UI thread, which serialises the snapshots of the camera.
class SnimkyNaDisk {
public:
    SnimkyNaDisk(ParametryKamery& parametry, StavSnimku& stav, Knihovna::Registr& registr, std::wstring cestaKamery,
                 const Knihovna::Hodiny& hodiny);

    // Hands the capture object the block's strip position, font, text colour and encoder.
    static PozadavekSnimku PripravitZachytavani(Holvent::DirectShow::ZachytavaniVidea& zachytavani, int druh,
                                                const ParametrySnimku& blok);

    // Saves the current frame processed with the kind's block to cesta (pending kind, capture settings, the
    // block's JPEG quality where the kind has one): the e-mail and FTP roads save their snapshots by it too.
    static void UlozitSnimekDruhu(Holvent::DirectShow::ZachytavaniVidea& zachytavani, StavSnimku& stav, int druh,
                                  const ParametrySnimku& blok, bool automaticky, const std::wstring& cesta);
    // The current frame processed with the kind's block as JPEG bytes with the block's "kvalitaJpeg"
    // (the snapshot server's road, kind kSnimekHttp); raises like a save to a file.
    static std::vector<std::uint8_t> SnimekDoPameti(Holvent::DirectShow::ZachytavaniVidea& zachytavani, StavSnimku& stav,
                                                    int druh, const ParametrySnimku& blok);

    // Path, pending kind, capture settings, save, counter advanced and stored; the written path. A
    // path that cannot be made raises with kTextChybaCestySnimku and saves nothing; a failed save
    // leaves the counter as it was. A save that failed for lack of space leaves no file cut short and raises
    // ERROR_DISK_FULL with kTextMistoSnimku.
    std::wstring Ulozit(Holvent::DirectShow::ZachytavaniVidea& zachytavani, bool automaticky);

    // The frame-ready handler: the pending kind's processing of the bitmap, its HRESULT as result.
    // Only the capture object's own bitmap of a snapshot in progress is processed; any other
    // message (another process may send the number too) is answered 0 and its lParam not touched.
    // moduly is the last step (the camera's plug-ins).
    LRESULT ZpracovatSnimek(const Holvent::DirectShow::ZachytavaniVidea& zachytavani, LPARAM bitmapa,
                            const ZpracovaniSnimku::KrokModulu& moduly = {}) const noexcept;

    // Full paths of this camera's numbered snapshots with the current extension; E_INVALIDARG
    // for a missing folder or an empty name.
    std::vector<std::wstring> CislovaneSnimky() const;
    // Moves them to the recycle bin without asking and numbers from 1 again.
    void SmazatSnimky();
    void ResetovatCislovani();

    // The snapshot command (parametr 40039 from the disk timer, else by hand): a beep without
    // video, the save, the sound when zvuk, the opening; every failure as a message. The written
    // path, empty when nothing was saved.
    std::wstring ProvestPrikaz(Holvent::DirectShow::ZachytavaniVidea& zachytavani, std::uintptr_t parametr, bool zvuk,
                               HlaseniSnimku& hlaseni);

    // What OtevritVShellu takes for the program's own image editor.
    static constexpr const wchar_t* kSlovesoEditoru = L"tervik-editor";
    // The shell verb "otviratSnimekCim" opens a saved snapshot with (kSlovesoEditoru for the program's
    // own editor); empty for none.
    std::wstring SlovesoOtevreni() const;
    // Opens the file when "otviratSnimekKdy" asks for it for that origin; whether it was asked.
    bool OtevritPoUlozeni(const std::wstring& cesta, bool automaticky, HlaseniSnimku& hlaseni) const;
    // The shell's own opening (or the editor's), for HlaseniSnimku::Otevrit of the camera window.
    static void OtevritVShellu(const std::wstring& sloveso, const std::wstring& cesta, int jak);

    // The questions before deleting all snapshots and before resetting the numbering.
    std::wstring OtazkaSmazani(const std::wstring& jmenoKamery) const;
    std::wstring OtazkaResetu() const;

private:
    ParametryKamery& parametry_;
    StavSnimku& stav_;
    Knihovna::Registr& registr_;
    std::wstring cestaKamery_;
    const Knihovna::Hodiny& hodiny_;
};
