#pragma once

#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "knihovna/win/ObrazkyNabidky.h"
#include "app/NastaveniAplikace.h"
#include "app/PrikazovyRadek.h"
#include "app/SeznamKamer.h"
#include "app/SouborLog.h"
#include "app/win/ZapisovacUdalosti.h"
#include "email/SeznamFtpMist.h"
#include "email/SeznamUctu.h"
#include "imagetools/NastaveniEditoruObrazku.h"
#include "knihovna/Chyba.h"
#include "knihovna/win/HodinyWindows.h"
#include "knihovna/win/PristupKSouborumWin.h"
#include "knihovna/win/RegistrWindows.h"
#include "net/NastaveniProhlizeceFtp.h"
#include "video/InfoZarizeni.h"

class AktualizaceAplikace;
class OknoHlavni;
class OknoNastroje;
namespace Knihovna::WinApi {
class Okno;
}
class RozhraniSeznamuKamerWin;

// The one application object: start-up, the shared state of the process, the reporting
// operations every part of the program uses, and shutdown.
class Aplikace {
public:
    // Own window messages.
    static constexpr UINT kZpravaPoSpusteni = 0x8005;
    static constexpr UINT kZpravaObnovit = 0x8007;
    // A tool module's thread started or ended.
    static constexpr UINT kZpravaStavModulu = 0x8013;

    explicit Aplikace(HINSTANCE instance);
    ~Aplikace();
    Aplikace(const Aplikace&) = delete;
    Aplikace& operator=(const Aplikace&) = delete;

    static Aplikace& Instance();

    // Start-up; 0 when the message loop is to run, else the process exit code.
    int Start(const std::vector<std::wstring>& argumenty);
    int SmyckaZprav();
    // Shutdown after the loop; a non-zero result replaces the exit code.
    int Ukoncit();
    // The after-start steps, run from the main window's 0x8005.
    void PoSpusteni(HWND hlavniOkno);
    // The application log takes the maximum size of the setting "maxVelikost" (kept within its range).
    void PouzitVelikostLogu();

    // Reporting.
    void ZobrazitZpravu(const std::wstring& text);
    [[noreturn]] void HlasitFatalniChybu(const std::wstring& text);
    [[noreturn]] void HlasitFatalniChybu(UINT idTextu);
    [[noreturn]] void HlasitFatalniChybuWin32(const std::wstring& text, DWORD kod);
    void HlasitChybuCom(UINT idTextu, const Knihovna::Chyba& chyba);
    void HlasitChybu(UINT idTextu);
    bool ZeptatSeAnoNe(UINT idTextu, bool anoVychozi, bool varovani);
    bool ZeptatSeAnoNe(const std::wstring& otazka, bool anoVychozi, bool varovani);
    // An error box with a ready text (caption product name, flags 0x12010).
    void ZobrazitChybu(const std::wstring& text);
    void ZapsatLog(const std::wstring& text);
    void ZapsatLog(UINT idTextu);
    HRESULT ZapsatUdalostChyba(const std::wstring& text);
    HRESULT ZapsatUdalostVarovani(const std::wstring& text);
    HRESULT ZapsatUdalostInfo(const std::wstring& text);
    HRESULT ZapsatUdalostInfo(UINT idTextu);
    std::wstring CestaLogu() const;

    // A string of the string table; empty when it has none.
    std::wstring Text(UINT id) const;
    // The description shown for a COM error: the error's own text or the system's, with the
    // thread's IErrorInfo when there is one.
    std::wstring PopisChybyCom(const Knihovna::Chyba& chyba) const;

    HINSTANCE Instance_() const { return instance_; }
    const std::wstring& Produkt() const { return produkt_; }
    const std::wstring& InterniJmeno() const { return interni_; }
    const std::array<WORD, 4>& Verze() const { return verze_; }
    const std::wstring& SlozkaDat() const { return slozkaDat_; }
    RezimSpusteni Rezim() const { return rezimSpusteni_; }
    RezimZprav RezimZprav_() const { return rezimZprav_; }
    std::uint32_t VerzeWindows() const { return verzeWindows_; }
    const std::wstring& IpAdresa() const { return ipAdresa_; }
    const std::wstring& Uzivatel() const { return uzivatel_; }
    const std::wstring& Pocitac() const { return pocitac_; }
    int IndexVychoziKamery() const;
    HICON VelkaIkona() const { return velkaIkona_; }
    HICON MalaIkona() const { return malaIkona_; }
    HIMAGELIST SeznamObrazku(int i = 0) const { return seznamyObrazku_[i]; }
    // The strip at the size for a window's DPI (Knihovna::VelikostObrazku): toolbars and menus.
    HIMAGELIST ObrazkyProDpi(UINT dpi) const;
    // The strip nearest to a side in pixels (16, 24 or 32): icons made from its images.
    HIMAGELIST ObrazkyVelikosti(int velikost) const;
    // WM_INITMENUPOPUP of a window: the pictures beside its commands, at the window's DPI ("menuBitmapy").
    void ObrazkyDoNabidky(Knihovna::WinApi::ObrazkyNabidky& obrazky, HWND okno, HMENU menu);
    HCURSOR KurzorCekani() const { return kurzorCekani_; }
    void* InternetHandle() const { return internet_; }

    NastaveniAplikace& Nastaveni() { return nastaveni_; }
    NastaveniEditoruObrazku& NastaveniEditoru() { return nastaveniEditoru_; }
    NastaveniProhlizeceFtp& NastaveniFtp() { return nastaveniFtp_; }
    Knihovna::Registr& Registr() { return registr_; }
    const Knihovna::Hodiny& Hodiny() const { return hodiny_; }
    Knihovna::PristupKSouborum& Soubory() { return soubory_; }
    std::recursive_mutex& Zamek() { return zamek_; }

    OknoHlavni* HlavniOkno() const { return hlavniOkno_.get(); }
    // The update check (the main window routes to it).
    AktualizaceAplikace& Aktualizace() { return *aktualizace_; }

    // Filled once at start-up.
    const SeznamZarizeni& ZarizeniVideo() const { return zarizeniVideo_; }
    const SeznamZarizeni& ZarizeniZvuk() const { return zarizeniZvuk_; }
    SeznamKamer& Kamery() { return *kamery_; }
    Holvent::Email::SeznamUctu& Ucty() { return *ucty_; }
    Holvent::Email::SeznamFtpMist& FtpMista() { return *mista_; }
    RozhraniSeznamuKamerWin& RozhraniKamer() { return *rozhraniKamer_; }

private:
    void NacistVerzi();
    void DetekovatVerziWindows();
    void VytvoritSlozkuDat();
    void NacistObrazky();
    void ZjistitJmenaAAdresu();
    void NacistNastaveni();
    void NacistZarizeniAKamery();
    void NacistUloziste();
    // The camera named on the command line (mode 5) or the default camera (mode 6) in its frame; 1 when there is none.
    int SpustitKameru();
    void OveritSlozky();
    void NastavitIdModelu();
    bool JednaInstance();  // false when another full instance runs
    int SpustitRoli(const ParametryPrikazovehoRadku& parametry);
    UINT StylOkna(UINT ikona) const;
    int ZpravaOkno(const std::wstring& text, UINT styl);

    HINSTANCE instance_;
    RezimSpusteni rezimSpusteni_ = RezimSpusteni::Aplikace;
    std::recursive_mutex zamek_;
    ULONG_PTR gdiplus_ = 0;
    HICON velkaIkona_ = nullptr;
    HICON malaIkona_ = nullptr;
    std::uint32_t verzeWindows_ = 0x0502;
    std::wstring ipAdresa_;
    std::array<HIMAGELIST, 2> seznamyObrazku_{};  // the 16 px strip and its copy
    std::array<HIMAGELIST, 2> vetsiObrazky_{};    // the 24 and 32 px strips
    std::unique_ptr<SouborLog> log_;
    HCURSOR kurzorCekani_ = nullptr;
    std::vector<HICON> ikonyPrikazu_;
    void* internet_ = nullptr;
    HANDLE mutexInstance_ = nullptr;
    std::wstring produkt_ = L"Dunmar Holvent software";
    std::wstring interni_ = L"Tervik";
    std::array<WORD, 4> verze_{4, 8, 5, 2};
    std::wstring pocitac_;
    std::wstring uzivatel_;
    RezimZprav rezimZprav_ = RezimZprav::Interaktivni;
    std::wstring slozkaDat_;
    std::wstring idModelu_ = L"DunmarHolvent.Tervik";
    WSADATA wsa_{};
    bool com_ = false;

    Knihovna::WinApi::RegistrWindows registr_;
    Knihovna::WinApi::HodinyWindows hodiny_;
    Knihovna::WinApi::PristupKSouborumWin soubory_;
    ZapisovacUdalosti udalosti_;
    NastaveniAplikace nastaveni_;
    NastaveniEditoruObrazku nastaveniEditoru_;
    NastaveniProhlizeceFtp nastaveniFtp_;

    SeznamZarizeni zarizeniVideo_;
    SeznamZarizeni zarizeniZvuk_;
    std::unique_ptr<RozhraniSeznamuKamerWin> rozhraniKamer_;
    std::unique_ptr<SeznamKamer> kamery_;
    std::unique_ptr<Holvent::Email::SeznamUctu> ucty_;
    std::unique_ptr<Holvent::Email::SeznamFtpMist> mista_;
    Tervik* kameraProcesu_ = nullptr;  // the camera of start mode 5

    std::unique_ptr<AktualizaceAplikace> aktualizace_;
    std::unique_ptr<OknoHlavni> hlavniOkno_;
    // The window of a tool that is the whole process.
    std::unique_ptr<Knihovna::WinApi::Okno> oknoNastroje_;
};
