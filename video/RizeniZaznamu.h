#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "camera/ParametryKamery.h"
#include "knihovna/Chyba.h"
#include "knihovna/Hodiny.h"
#include "knihovna/Registr.h"
#include "video/RozhraniZaznamu.h"

inline constexpr const wchar_t* kTextMaloMistaStart = L"Záznam videa nelze spustit: na disku dochází volné místo.";
inline constexpr const wchar_t* kTextMaloMistaKonec =
    L"Záznam videa do souboru \"%s\" byl ukončen: na disku dochází volné místo.";
inline constexpr const wchar_t* kTextJmenoZaznamuChybi = L"Název souborů záznamů není nastaven; záznamy nelze smazat.";
inline constexpr const wchar_t* kTextChybiPrx =
    L"Nebyl nalezen soubor profilu (.prx) Windows media, nastavený v konfiguraci kamery";
inline constexpr const wchar_t* kTextSpatnyProfil = L"Není správně nastaven profil kódování Windows Media";
inline constexpr const wchar_t* kTextZaznamStart = L"Byl spuštěn záznam videa do souboru \"%s\"";
inline constexpr const wchar_t* kTextZaznamStartPohyb =
    L"Po detekování pohybu byl spuštěn záznam videa do souboru \"%s\"";
inline constexpr const wchar_t* kTextZaznamKonec = L"Byl ukončen záznam videa do souboru \"%s\"";
inline constexpr const wchar_t* kTextProbihaZaznam = L"Probíhá záznam do souboru %s";
inline constexpr const wchar_t* kTextCastZaznamu = L"Záznam %s, %s";

// What the recording asks of its camera window, always on the window's UI thread; the window implements it
// (tests record the calls instead).
class HostitelZaznamu {
public:
    virtual ~HostitelZaznamu() = default;
    // The camera window's timers 4 and 5; false when the timer could not be made.
    virtual bool NastavitCasovac(std::uintptr_t id, std::uint32_t perioda) = 0;
    virtual void ZrusitCasovac(std::uintptr_t id) = 0;
    // The product's error box (task-modal, in front): failures of what the user asked for.
    virtual void ChybovyDialog(const std::wstring& text) = 0;
    // A message without a box (druh 1 information, 2 warning, 3 error): the status bar, a balloon by
    // zpravaIkona (0 none, 1 errors and warnings, 2 all) and a line in the camera's log.
    virtual void Zprava(int druh, const std::wstring& text, std::uint32_t zpravaIkona) = 0;
    // The status bar's message part.
    virtual void StavovyText(const std::wstring& text) = 0;
    // The recording's own status-bar part: its icon (image 8, shown or not) and its text (empty: none).
    virtual void IkonaZaznamu(bool zobrazit) = 0;
    virtual void TextZaznamu(const std::wstring& text) = 0;
    // The camera's log file and event log (the switches are checked here).
    virtual void LogKamery(const std::wstring& text) = 0;
    virtual void UdalostKamery(const std::wstring& text) = 0;
    // Yes, No and Cancel with the warning icon and No as the default; true on Yes.
    virtual bool ZeptatSe(const std::wstring& otazka) = 0;
    // The error's text as the product shows it (the system description and the capture object's own).
    virtual std::wstring PopisChyby(const Knihovna::Chyba& chyba) = 0;
    // Names (without folder) of the files in a folder; a missing folder raises E_INVALIDARG.
    virtual std::vector<std::wstring> SouboryVeSlozce(const std::wstring& slozka) = 0;
    // Full paths to the recycle bin, without asking; raises on failure.
    virtual void Smazat(const std::vector<std::wstring>& soubory) = 0;
    virtual bool SouborExistuje(const std::wstring& cesta) = 0;
    // Free bytes for the user on the disk of a folder; nullopt when unknown.
    virtual std::optional<std::uint64_t> VolneMisto(const std::wstring& slozka) = 0;
    // A file's size as the shell shows it ("3,45 MB").
    virtual std::wstring TextVelikosti(std::uint64_t bajty) = 0;
    // After an AVI recording: the video device off and on (the preview graph at its own size again).
    virtual void ObnovitNahled() = 0;
    // Menu, toolbar and status of the camera's commands.
    virtual void ObnovitPrikazy() = 0;
    // Posts a command to the camera window.
    virtual void PoslatPrikaz(std::uint32_t prikaz) = 0;
    // A recording stopped or an unattended one did not start for lack of space: a message as Zprava gives it,
    // which the camera's disk-full guard may hold back and answer with its clean-up.
    virtual void NedostatekMista(const std::wstring& text, std::uint32_t zpravaIkona) { Zprava(3, text, zpravaIkona); }
};

// Why a recording ends.
enum class KonecZaznamu {
    Rucne,         // the menu, the toolbar, a hot key, timer 5
    VypnutiVidea,  // the video goes off: the device changes, the camera closes, the session ends
    MistoNaDisku,  // the sink refused a write, or the disk is short of the reserve
};

// The video recording of one camera: naming and numbering, start and stop over the capture object, the status,
// timers 4 and 5, deleting the recordings and resetting the numbering. Runs on the camera's UI thread.
class RizeniZaznamu {
public:
    RizeniZaznamu(ParametryKamery& parametry, const std::wstring& jmenoKamery, Knihovna::Registr& registr,
                  std::wstring cestaKamery, const Knihovna::Hodiny& hodiny, HostitelZaznamu& hostitel);

    // Starts a recording (pohyb: started by motion, then WMV, errors without a box, ending on timer 5); nothing
    // without a running graph or while one records. Whether a recording now runs.
    bool SpustitZaznam(Holvent::DirectShow::RozhraniZaznamu& zachytavani, bool pohyb);
    // Ends the running recording; every stop kills timers 4 and 5.
    void UkoncitZaznam(Holvent::DirectShow::RozhraniZaznamu& zachytavani, KonecZaznamu duvod);
    bool Bezi() const { return bezi_; }
    // Whether the running recording was started by motion detection.
    bool SpustenPohybem() const { return bezi_ && pohyb_; }
    // Timer 4: the blinking icon, the time and size part, and for WMV the free space.
    void Tik(Holvent::DirectShow::RozhraniZaznamu& zachytavani);
    // Timer 5: a motion recording has lasted its time.
    void KonecDelky(Holvent::DirectShow::RozhraniZaznamu& zachytavani);
    // The sink refused a write (message kZpravaMistoZaznamu).
    void MistoDosloNaDisku(Holvent::DirectShow::RozhraniZaznamu& zachytavani);

    // After Yes: the camera's recordings to the recycle bin and the numbering from 1.
    void SmazatZaznamy();
    // After Yes: the numbering from 1.
    void ResetovatCislovani();

    std::uint32_t Citac() const { return citac_; }
    const std::wstring& Soubor() const { return soubor_; }
    // Timer 5's period: "delkaZaznamu" seconds held to 1 to 3600.
    static std::uint32_t PeriodaDelky(std::uint32_t delkaZaznamu);

private:
    void UlozitCitac();
    void Chyba(bool pohyb, const std::wstring& text);
    void ZapsatLog(bool prepinacLogu, bool prepinacUdalosti, const wchar_t* vzor);
    std::wstring NazevSouboru() const;

    ParametryKamery& parametry_;
    const std::wstring& jmenoKamery_;
    Knihovna::Registr& registr_;
    std::wstring cestaKamery_;
    const Knihovna::Hodiny& hodiny_;
    HostitelZaznamu& hostitel_;

    std::uint32_t citac_ = 1;
    bool bezi_ = false;
    bool pohyb_ = false;
    bool avi_ = false;
    bool ikona_ = false;
    std::uint32_t zacatek_ = 0;  // ticks at the start
    std::wstring soubor_;
};
