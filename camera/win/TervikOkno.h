#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "app/SouborLog.h"
#include "camera/AktivityKamery.h"
#include "camera/DetektorPohybu.h"
#include "camera/HlaseniCesty.h"
#include "camera/HlaseniSnimku.h"
#include "camera/PlanovaneSnimkovani.h"
#include "camera/StavSnimku.h"
#include "camera/Tervik.h"
#include "camera/win/EditorMasky.h"
#include "camera/win/NahledIkony.h"
#include "camera/win/PrikazySlozkySnimku.h"
#include "camera/win/PruhZarizeni.h"
#include "camera/win/SnimkyNaDisk.h"
#include "camera/win/UklidKamery.h"
#include "camera/win/ZaznamKamery.h"
#include "camera/win/ModulyKamery.h"
#include "camera/win/ObnoveniKamery.h"
#include "net/win/ServerHttp.h"
#include "net/win/SnimkyNaFtp.h"
#include "email/win/SnimkyEmailem.h"
#include "knihovna/win/IkonaOznamovaciOblasti.h"
#include "knihovna/win/ObrazkyNabidky.h"
#include "knihovna/win/Okno.h"
#include "knihovna/win/PanelNastroju.h"
#include "knihovna/win/StavovyRadek.h"
#include "knihovna/win/UnikatniHandle.h"
#include "video/win/DlgTervikOvladaciPanel.h"
#include "video/win/OknoVideo.h"
#include "video/win/PrijemceSnimku.h"

// A running camera: the camera object with its own top-level window, menus, toolbar, status bar,
// notification icon, live video and the activities that run in the window (automatic and
// scheduled snapshots). Everything runs on the window's UI thread.
class TervikOkno final : public Tervik,
                         public Knihovna::WinApi::Okno,
                         private HlaseniSnimku,
                         private HlaseniCesty,
                         private PrikazySlozkySnimku::Rozhrani {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4Tervik";
    static constexpr UINT kZpravaIkony = 0x87D1;

    TervikOkno(std::wstring jmeno, std::wstring koren);
    ~TervikOkno() override;

    // Closing the window ends the message loop (a camera started as the whole process).
    void UkoncitAplikaciPriZavreni(bool ukoncit) { ukoncitAplikaci_ = ukoncit; }

    bool Bezi() const override { return Hwnd() != nullptr; }
    // Creates the window (nothing when it exists); a failure is shown and the camera stays off.
    void Spustit() override;
    // The closing sequence and the window's end; nothing when it is not running.
    void Zastavit() override;
    bool VeVlastnimDialogu() const override { return ZpracovavaZpravu(); }

    // For tests and the status of the lists.
    bool VideoZapnuto() { return video_.Zachytavani().GrafExistuje(); }
    bool SnimkyDiskBezi() const { return snimkyDiskBezi_; }
    bool PlanovaneBezi() const { return planovaneBezi_; }
    bool DetekceBezi() const { return detektor_.Bezi(); }
    bool MaChybu() const override;
    bool PosledniPohyb(std::uint32_t& tik) const override {
        tik = posledniPohyb_;
        return hlasenPohyb_;
    }
    bool SnimkyFtpBezi() const { return snimkyFtp_.AutoBezi(); }
    bool SnimkyEmailBezi() const { return emaily_ && emaily_->AutoBezi(); }
    bool VideoBezi() override { return Bezi() && VideoZapnuto(); }
    bool AutoFtpBezi() const override { return SnimkyFtpBezi(); }
    bool AutoEmailBezi() const override { return SnimkyEmailBezi(); }
    // The rule the window greys its menu by.
    bool PrikazDostupny(std::uint32_t prikaz) const override;
    bool ZaznamBezi() const { return zaznam_ && zaznam_->Bezi(); }
    bool ServerHttpBezi() const override { return serverHttp_.Bezi(); }

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;
    std::wstring JmenoUmisteni() const override { return kTrida; }

private:
    // HlaseniSnimku of the disk snapshots.
    void Pipnout() override;
    void ZobrazitChybu(const std::wstring& text) override;
    void PrehratZvuk() override;
    void Otevrit(const std::wstring& sloveso, const std::wstring& cesta, int jak) override;
    bool NedostatekMista(std::uintptr_t parametr, const std::wstring& text) override;  // to the storage clean-up
    // HlaseniCesty of the e-mail and FTP roads (Pipnout is shared with HlaseniSnimku).
    void PrehratZvukSnimku() override;
    void ZpravaCesty(int druh, const std::wstring& text, std::uint32_t zpravaIkona) override;
    void StavCesty(const std::wstring& text) override;
    void LogKamery(const std::wstring& text) override { ZapsatLogKamery(text); }
    void UdalostKamery(const std::wstring& text, bool chyba) override;
    void ZmenaAktivit() override {
        ObnovitPrikazy();
        OznamitStavOblasti(false);
    }
    // PrikazySlozkySnimku::Rozhrani of the folder commands.
    bool ZeptatSe(const std::wstring& otazka, bool anoVychozi, bool varovani) override;
    void HlasitChybu(const std::wstring& text) override;
    bool OtevritSlozku(const std::wstring& sloveso, const std::wstring& slozka) override;

    void Vytvorit();
    void VytvoritOvladace();
    HMENU VytvoritMenu(bool kontextove) const;
    void Rozmistit();
    RECT ObdelnikVidea() const;
    void ObnovitPrikazy();
    void NastavitTitulek(std::uint32_t rezim);
    void PouzitPrepinaceOkna();
    void NacistIkonu();
    // The camera's image in the program's images by "indexIkony"; -1 when the list lacks it.
    int ObrazekKamery() const;
    void ObnovitIkonuOblasti();
    void Skryt();
    void ZobrazitObnovit();

    bool ProvestPrikaz(UINT prikaz, LPARAM parametr, HWND odesilatel);
    void PrepnoutVideo();
    void ZapnoutVideo();
    void VypnoutVideo();
    void SpustitSnimkyDisk(std::uintptr_t parametr);
    void ZastavitSnimkyDisk();
    void SpustitPlanovane();
    void ZastavitPlanovane();
    void KontrolaPlanu();
    void PoSpusteni();
    void Zavrit();
    void UlozitVse();
    PrikazySlozkySnimku Slozka() { return PrikazySlozkySnimku(*snimky_, Parametry(), Jmeno(), *this); }
    void RozbalitTlacitko(int prikaz, POINT bod);
    void ZmenaZarizeni();
    // Moves the capture to another video device (the graph rebuilt while the video is on); false when refused.
    bool PrepnoutZarizeni(const InfoZarizeni& zarizeni);
    // The settings dialog, one at a time; after OK or "Použít" the new values are saved and applied.
    void ZobrazitPredvolby();
    void PouzitNastaveni();
    // Motion detection: the timer and the report run here, the frames on the streaming thread.
    void SpustitDetekci();
    void ZastavitDetekci();
    void ZmenaVelikostiVidea();
    void HlaseniPohybu();
    void NaSnimku(std::uint8_t* data, long delka) noexcept;
    void ZobrazitVlastnosti(bool format);
    // The picture tooltip of the notification icon.
    void PohybNadIkonou();
    void ObnovitNahled();
    // The snapshot plug-ins (TervikOknoModuly.cpp): loaded with the window and after every change on their page.
    void NacistZasuvneModuly();
    void ZmenaZasuvnychModulu(const std::vector<ZasuvnyModul>& seznam);
    void SelhaniModulu(LPARAM lp);

    // Messages at the notification icon (kind 1 info, 2 warning, 3 error), always on the status bar too.
    void Zprava(int druh, const std::wstring& text);
    void Udalost(const TextyAktivity& texty, bool start);
    void ZapsatLogKamery(const std::wstring& text);
    void ZapsatUdalostKamery(const wchar_t* vzor);
    void NastavitCasovac(UINT_PTR id, UINT perioda);

    std::wstring koren_;
    std::wstring cestaKamery_;
    bool ukoncitAplikaci_ = false;
    HWND oznamovane_ = nullptr;  // the main window, told of the camera's start and end
    // The main window's tray icon follows faults and motion: it is told when either changes.
    void OznamitStavOblasti(bool pohyb);
    Knihovna::WinApi::ObrazkyNabidky obrazkyNabidky_;  // the menus' pictures, lent to the menus while it lives
    bool hlasenaChyba_ = false;
    bool hlasenPohyb_ = false;
    std::uint32_t posledniPohyb_ = 0;
    bool zaviram_ = false;
    bool predvolbyOtevreny_ = false;

    OknoVideo video_;
    Knihovna::WinApi::PanelNastroju panel_;
    Knihovna::WinApi::StavovyRadek stavovyRadek_;
    Knihovna::WinApi::IkonaOznamovaciOblasti ikonaOblasti_;
    NahledIkony nahled_;
    POINT bodNahledu_{};
    std::optional<PruhZarizeni> pruhZarizeni_;
    Holvent::DirectShow::DlgTervikOvladaciPanel ovladaciPanel_{video_.Zachytavani()};
    Knihovna::WinApi::UnikatniIkona ikona_;
    Knihovna::WinApi::UnikatniIkona velkaIkona_;
    std::unique_ptr<SouborLog> log_;

    StavSnimku stavSnimku_;
    std::unique_ptr<SnimkyNaDisk> snimky_;
    // The FTP road lives as long as the camera object: its counter on the server restarts only with it.
    SnimkyNaFtp snimkyFtp_{Parametry(), stavSnimku_, *this, Jmeno()};
    std::unique_ptr<SnimkyEmailem> emaily_;  // made with the window, which it posts to
    ServerHttp serverHttp_{Parametry(), *this, Jmeno()};
    std::unique_ptr<ZaznamKamery> zaznam_;  // made with the window, whose timers it sets
    UklidKamery uklid_{static_cast<HlaseniCesty&>(*this)};  // storage retention and the disk-full guard
    std::unique_ptr<ObnoveniKamery> obnoveni_;  // the device watch and reconnection, made with the window
    PlanovaneSnimkovani plan_;
    DetektorPohybu detektor_;
    CasyAkciPohybu casyAkci_;
    EditorMasky editorMasky_{Parametry().detekcePohybu, detektor_};  // the motion mask's editing mode
    Holvent::DirectShow::UkazatelCom<Holvent::DirectShow::PrijemceSnimku> prijemce_;
    ModulyKamery moduly_;  // the snapshot plug-ins; the live ones run inside the receiver's function
    // What the streaming thread reads: the frame size, the brightness step and the window to report to.
    std::atomic<int> sirkaSnimku_{0};
    std::atomic<int> vyskaSnimku_{0};
    std::atomic<std::uint8_t> rozdilJasu_{100};
    std::atomic<HWND> cilHlaseni_{nullptr};
    bool snimkyDiskBezi_ = false;
    bool planovaneBezi_ = false;
    bool formatyNacteny_ = false;
    bool docasnaIkona_ = false;
    std::uint32_t rezimTitulku_ = 0;
    UINT zpravaTlacitkaUlohy_ = 0;
    UINT zpravaRestartuShellu_ = 0;
};
