#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/win/GdiPlus.h"
#include "video/InfoZarizeni.h"
#include "video/RozhraniZaznamu.h"
#include "video/SeznamFormatu.h"
#include "video/VlastnostZarizeni.h"
#include "video/win/BitmapaGdiPlus.h"
#include "video/win/HlavickyDirectShow.h"
#include "video/win/PrijemceSnimku.h"
#include "video/win/ProfilWmv.h"
#include "video/win/UkazatelCom.h"
#include "video/win/ZapisovacSouboru.h"

namespace Holvent::DirectShow {

// The capture object of one camera: finds its video device, runs the preview graph (capture
// filter → Sample Grabber → video renderer inside the owner window), keeps the last frame for
// snapshots, reads formats and image-control ranges, changes the capture size. All operations
// run on the thread of the owner window and raise Knihovna::Chyba on failure.
class ZachytavaniVidea : public RozhraniZaznamu {
public:
    // One entry of the encoder table: the GDI+ encoder found for the table's MIME type.
    struct Koder {
        CLSID clsid{};
        bool nalezen = false;
    };

    ZachytavaniVidea();
    virtual ~ZachytavaniVidea();
    ZachytavaniVidea(const ZachytavaniVidea&) = delete;
    ZachytavaniVidea& operator=(const ZachytavaniVidea&) = delete;

    // Tears the graph down, frees the frame, rebuilds the encoder table and sets every default.
    void Resetovat();
    // Releases everything (graph, bitmap, buffer, callback, encoder table) for good, as the
    // window's destruction does.
    void UvolnitVse();
    // The first device of the sorted and numbered video device list becomes the video device.
    void VybratPrvniZarizeni();
    // A changed device path clears the format list and, while on, rebuilds the graph.
    void NastavitZarizeniVideo(const InfoZarizeni& zarizeni);
    void NastavitZarizeniZvuk(const InfoZarizeni& zarizeni);

    // Builds and runs the preview graph. Any failure leaves the object off, sends graph-result
    // with the HRESULT and raises.
    void Zapnout();
    // Tears the graph down; afterwards Zapnout may be called again. Never raises.
    void Vypnout();
    // Changes the capture size of the graph; the renderer and the current size follow.
    void NastavitVelikost(int sirka, int vyska);
    // 0 when the list was read, 1 when the device offers none in the expected form.
    int NacistFormaty();
    void SeraditFormaty();
    // The device's or the stream's property pages, modal and owned by the owner's top-level
    // window. Whatever closes the window or switches the video off meanwhile, the graph it
    // leaves behind is not touched afterwards.
    void ZobrazitVlastnostiZarizeni();
    void ZobrazitVlastnostiFormatu();

    // Copies the grabber's last frame into the frame buffer and its header. When no frame came
    // since the previous grab and the last one is older than 2 s (the device stopped delivering),
    // it fails with kTextKameraNedodavaObraz.
    void SejmoutSnimek();
    // A new bitmap of the last frame (the caller owns it); empty when no graph exists.
    GdiPlus::BitmapaGdiPlus VytvoritBitmapu();
    // Grab, strip, notification, save with the selected encoder.
    void UlozitSnimek(const std::wstring& cesta);
    // The same; a quality of at most 100 goes to the encoder. The bitmap stays current afterwards.
    void UlozitSnimek(const std::wstring& cesta, std::uint32_t kvalita);
    // The same snapshot as JPEG bytes (the table's first encoder, whatever encoder is selected); a
    // quality above 100 goes without the quality parameter. No bitmap stays current.
    std::vector<std::uint8_t> UlozitSnimekDoPameti(std::uint32_t kvalita);
    // The renderer's rectangle inside the owner window; nothing without a graph.
    void NastavitPoziciVidea(int x, int y, int sirka, int vyska);

    // Recording (RozhraniZaznamu).
    bool GrafZapnut() const override { return GrafExistuje(); }
    bool Zaznamenava() const override;
    void ZaznamAviStart(const std::wstring& soubor, bool zvuk, std::int32_t sirka, std::int32_t vyska,
                        std::int32_t snimkuZaSekundu) override;
    void NacistSystemovyProfil(std::uint32_t index, std::uint32_t verze) override;
    void NacistProfilPrx(const std::wstring& cesta) override;
    void ZaznamWmvStart(const std::wstring& soubor) override;
    void ZaznamStop() override;
    std::uint64_t VelikostZaznamu() const override;
    // The message the file sink posts to the notification target when it refuses a write (0: none).
    void NastavitZpravuMista(UINT zprava) { zpravaMista_ = zprava; }
    // The message the graph posts to the notification target when it has events waiting (0: none).
    void NastavitZpravuUdalosti(UINT zprava) { zpravaUdalosti_ = zprava; }
    // Takes the graph's waiting events: EC_DEVICE_LOST (the device removed) or EC_ERRORABORT when one of them was
    // among them (the first such), else 0. Nothing without a graph.
    long UdalostZtraty();
    // Preview samples that reached the grabber since the object was made (also across rebuilds of the graph).
    std::uint64_t PocetSnimku() { return prijemce_ ? prijemce_->Hlidani().PocetSnimku() : 0; }
    // Whether the graph exists and runs (not stopped or paused for a change).
    bool GrafBezi() const;
    // The profile the WMV branch uses (also for the settings pages).
    ProfilWmv& Profil() { return profil_; }
    const std::wstring& SouborZaznamu() const { return souborZaznamu_; }

    // Adds the text strip beside the current bitmap when the strip position asks for one.
    virtual void PridatPruh();
    // Sends frame-ready with the current bitmap (lParam) to the notification target; the handler
    // may draw into it, and a failed HRESULT as its result ends the snapshot with that error.
    virtual void OznamitSnimek();

    // The window told of frames and of graph building, and the three message numbers (0: none).
    void NastavitCil(HWND cil, UINT zpravaSnimek, UINT zpravaStart, UINT zpravaVysledek);
    // The window the renderer lives in (and that receives its mouse messages).
    void NastavitVlastnika(HWND vlastnik) { vlastnik_ = vlastnik; }
    // A per-frame callback the grabber keeps, also across the rebuild of a size change (without
    // one the object keeps its own, which only counts the frames).
    void NastavitPrijemceSnimku(PrijemceSnimku* prijemce);
    // Strip position code (0 none, 11 below, 12 above, 13 left, 14 right) and its font.
    void NastavitPruh(int kod, const LOGFONTW& pismo);
    void NastavitBarvuTextu(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    // Selects the encoder of a snapshot format (index into the table); E_INVALIDARG outside it.
    void VybratKoder(int index);

    bool GrafExistuje() const { return static_cast<bool>(stavitel_); }
    int Sirka() const { return sirka_; }
    int Vyska() const { return vyska_; }
    const std::wstring& PosledniChyba() const { return posledniChyba_; }
    const InfoZarizeni& ZarizeniVideo() const { return zarizeniVideo_; }
    const InfoZarizeni& ZarizeniZvuk() const { return zarizeniZvuk_; }
    const SeznamFormatu& Formaty() const { return formaty_; }
    bool FormatyNacteny() const { return formatyNacteny_; }
    const VlastnostiObrazu& RozsahyObrazu() const { return obraz_; }
    const VlastnostiOvladani& RozsahyOvladani() const { return ovladani_; }
    const std::array<Koder, 5>& Kodery() const { return kodery_; }
    int VybranyKoder() const { return vybranyKoder_; }
    int KodPruhu() const { return kodPruhu_; }
    int TloustkaPruhu() const { return tloustkaPruhu_; }
    HWND Vlastnik() const { return vlastnik_; }

    // The current bitmap of a snapshot in progress (owned here; null outside a save).
    Gdiplus::Bitmap* AktualniBitmapa() const { return bitmapa_.get(); }
    // Whether a frame-ready message's lParam is this object's bitmap while it is being handed
    // out; anything else (another sender, a stale pointer) must not be touched.
    bool JeOznamovanaBitmapa(LPARAM lp) const {
        return oznamuje_ && bitmapa_ && lp == reinterpret_cast<LPARAM>(bitmapa_.get());
    }
    // Gives the current bitmap up without freeing it: a plug-in that never returned may still be drawing in it.
    void OpustitBitmapu() { (void)bitmapa_.release(); }
    const VIDEOINFOHEADER& HlavickaSnimku() const { return hlavicka_; }
    const std::vector<std::uint8_t>& DataSnimku() const { return buffer_; }

    // The graph's parts, for image controls and recording (null while off).
    ISampleGrabber* Grabber() const { return grabber_.get(); }
    IBaseFilter* FiltrVidea() const { return filtrVidea_.get(); }
    IGraphBuilder* Graf() const { return graf_.get(); }
    ICaptureGraphBuilder2* StavitelGrafu() const { return stavitel_.get(); }
    IMediaControl* RizeniGrafu() const { return rizeni_.get(); }

protected:
    // Replaces the current bitmap (the strip and the frame-ready handler work on it).
    void NastavitAktualniBitmapu(GdiPlus::BitmapaGdiPlus bitmapa) { bitmapa_ = std::move(bitmapa); }

private:
    void ZapnoutKroky();
    void PostavitNahled();
    void PripojitOknoVidea();
    void ZobrazitRenderer();
    void UmistitRenderer();
    UkazatelCom<IAMStreamConfig> NajitKonfiguraciProudu(bool& nahled, bool vyhodit);
    void NacistAktualniFormat();
    void NacistVlastnosti();
    bool VelikostGrabberuJe(int sirka, int vyska);
    void PrestavetZaZdrojem(IAMStreamConfig* konfigurace, AM_MEDIA_TYPE* typ, bool spustit);
    void OdstranitZaFiltrem(IBaseFilter* filtr) noexcept;
    void ZastavitVsechnyFiltry() noexcept;
    void ZastavitZdroje() noexcept;
    // Recording branch (VetevZaznamu.cpp).
    void PrestavetNahled();
    void NastavitFormatZaznamu(std::int32_t sirka, std::int32_t vyska, std::int64_t interval, bool ulozitPuvodni);
    void PridatZvuk();
    std::vector<ProudAvi> ProudyMultiplexeru();
    void DokoncitSoubor() noexcept;
    void OdstranitVetev(bool smazatSoubor) noexcept;
    void ObnovitNahled();
    // Renders the capture stream (and the sound's, when asked) into the branch's multiplexer or writer.
    void VykreslitDoVetve(bool zvuk);
    // A failed start: the branch goes (with the file it made), the preview runs again.
    void ZrusitStart(bool souborVytvoren) noexcept;
    void Oznamit(UINT zprava, LPARAM lp);
    HWND OknoVlastnosti() const;
    void NacistKodery();
    void Ulozit(const std::wstring& cesta, bool sKvalitou, std::uint32_t kvalita);
    // Writes the encoded image somewhere: a file or memory.
    using ZapisObrazu = std::function<void(Gdiplus::Image&, const CLSID&, const Gdiplus::EncoderParameters*)>;
    // Grab, strip, notification, then the table's encoder hands the result to zapis.
    void Zpracovat(int indexKoderu, bool sKvalitou, std::uint32_t kvalita, bool ponechatBitmapu,
                   const ZapisObrazu& zapis);
    GdiPlus::BitmapaGdiPlus BitmapaZBufferu() const;

    UkazatelCom<ISampleGrabber> grabber_;
    UkazatelCom<IBaseFilter> filtrGrabberu_;
    UkazatelCom<PrijemceSnimku> prijemce_;
    // Raised by every build and teardown of the graph: a modal loop compares it afterwards.
    unsigned generaceGrafu_ = 0;
    bool oznamuje_ = false;  // frame-ready is being sent
    std::array<Koder, 5> kodery_{};
    int vybranyKoder_ = 0;
    VlastnostiObrazu obraz_;
    VlastnostiOvladani ovladani_;
    SeznamFormatu formaty_;
    bool formatyNacteny_ = false;
    GdiPlus::BitmapaGdiPlus bitmapa_;
    std::vector<std::uint8_t> buffer_;
    VIDEOINFOHEADER hlavicka_{};
    HWND cil_ = nullptr;
    UINT zpravaSnimek_ = 0;
    UINT zpravaStart_ = 0;
    UINT zpravaVysledek_ = 0;
    HWND vlastnik_ = nullptr;
    std::wstring posledniChyba_;
    // Recording (its operations build on these).
    std::wstring souborZaznamu_;
    std::wstring souborProfilu_;
    int hlavniProudAvi_ = -1;
    bool indexWmv_ = true;
    int sirka_ = -1;
    int vyska_ = -1;
    int kodPruhu_ = 0;
    int tloustkaPruhu_ = 20;
    std::uint8_t barvaTextu_[3] = {255, 255, 0};
    LOGFONTW pismo_{};
    InfoZarizeni zarizeniVideo_;
    InfoZarizeni zarizeniZvuk_;
    UkazatelCom<IBaseFilter> filtrVidea_;
    UkazatelCom<IBaseFilter> filtrZvuku_;
    UkazatelCom<IBaseFilter> multiplexer_;
    UkazatelCom<IConfigAviMux> konfiguraceAviMux_;
    UkazatelCom<ZapisovacSouboru> zapisovac_;
    UINT zpravaMista_ = 0;
    UINT zpravaUdalosti_ = 0;
    // The capture format before the recording changed it (restored at the stop).
    struct FormatZachytavani {
        std::int32_t sirka = 0, vyska = 0;
        std::int64_t interval = 0;
    };
    FormatZachytavani puvodniFormat_;
    bool formatZmenen_ = false;
    ProfilWmv profil_;
    UkazatelCom<ICaptureGraphBuilder2> stavitel_;
    UkazatelCom<IGraphBuilder> graf_;
    UkazatelCom<IMediaControl> rizeni_;
    UkazatelCom<IMediaEventEx> udalosti_;
    UkazatelCom<IVideoWindow> oknoVidea_;
    UkazatelCom<IBaseFilter> nullRenderer_;
};

}  // namespace Holvent::DirectShow
