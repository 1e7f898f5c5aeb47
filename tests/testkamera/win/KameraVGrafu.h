#pragma once

// Helpers of the test camera's Wine tests: the registered devices, regsvr32, and a capture graph
// that delivers the camera's frames into a Sample Grabber.
#define NO_DSHOW_STRSAFE
#include <windows.h>
#include <dshow.h>
#include <qedit.h>
#include <wrl/client.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "testkamera/FormatKamery.h"
#include "testkamera/VzorKamery.h"

namespace TestyKamery {

using Microsoft::WRL::ComPtr;

// qedit.h declares the classes but not their ids.
inline constexpr CLSID kClsidSampleGrabber = {0xC1F400A0, 0x3F08, 0x11d3, {0x9F, 0x0B, 0x00, 0x60, 0x08, 0x03, 0x9E, 0x37}};
inline constexpr CLSID kClsidNullRenderer = {0xC1F400A4, 0x3F08, 0x11d3, {0x9F, 0x0B, 0x00, 0x60, 0x08, 0x03, 0x9E, 0x37}};

inline constexpr const wchar_t* kNazev = L"Testovací kamera Tervik";
inline constexpr const wchar_t* kNazevBezObrazu = L"Testovací kamera Tervik bez nastavení obrazu";

struct Zarizeni {
    std::wstring nazev;
    std::wstring cesta;
    std::wstring popis;
    ComPtr<IMoniker> moniker;
};

// The video input devices as the system device enumerator lists them.
std::vector<Zarizeni> SeznamZarizeni();
std::vector<Zarizeni> ZarizeniSNazvem(const std::wstring& nazev);
ComPtr<IBaseFilter> OtevritKameru(const std::wstring& nazev = kNazev);

// The DLL next to the test program, in Windows form.
std::wstring CestaDll();
// Runs regsvr32 with the arguments and the DLL; its exit code.
DWORD Regsvr32(const std::wstring& argumenty);
// DllCanUnloadNow of the loaded camera DLL: S_OK when no object and no lock is alive.
HRESULT MuzeSeUvolnit();

// A second device of the same name and the variant without image properties, for one test;
// afterwards the prefix has the single device other tests expect.
class DalsiZarizeni {
public:
    DalsiZarizeni();
    ~DalsiZarizeni();
    bool Zaregistrovano() const { return zaregistrovano_; }

private:
    bool zaregistrovano_ = false;
};

// The scene switch of the test camera (0 still, 1 moving), deleted again by the destructor.
class PrepinacSceny {
public:
    explicit PrepinacSceny(DWORD scena);
    ~PrepinacSceny();
    void Nastavit(DWORD scena);
};

// One grabbed frame (bottom-up BGR) with what tells frames apart.
struct Snimek {
    int sirka = 0;
    int vyska = 0;
    std::vector<std::uint8_t> data;
    REFERENCE_TIME zacatek = 0;
    bool maCas = false;

    TestovaciKamera::Bgr Bod(int x, int y) const;  // top-down coordinates
    double Prumer() const;
};

// Pixels that differ, inside and outside a top-down area.
struct Rozdil {
    int uvnitr = 0;
    int venku = 0;
};
Rozdil Porovnat(const Snimek& a, const Snimek& b, const Knihovna::Obdelnik& oblast);

// The camera → (Smart Tee) → Sample Grabber → Null Renderer graph of ICaptureGraphBuilder2.
class GrafKamery : public ISampleGrabberCB {
public:
    // kategorie: PIN_CATEGORY_PREVIEW or PIN_CATEGORY_CAPTURE; a format is set on the pin first.
    GrafKamery(IBaseFilter* kamera, const GUID& kategorie, const TestovaciKamera::FormatKamery* format = nullptr);
    virtual ~GrafKamery();

    HRESULT Spustit();
    void Zastavit();
    // Waits until pocet more frames have arrived after the call (false on time-out).
    bool CekatNaSnimky(int pocet, int casovyLimitMs = 10000);
    // Waits until a frame satisfies the condition; the last frame seen in any case.
    bool CekatNa(const std::function<bool(const Snimek&)>& podminka, Snimek& posledni, int casovyLimitMs = 10000);
    Snimek Posledni();
    IMediaControl* Rizeni() { return rizeni_.Get(); }
    IAMStreamConfig* Konfigurace() { return konfigurace_.Get(); }
    IBaseFilter* Chytac() { return chytac_.Get(); }
    std::vector<Snimek> Historie();  // frames kept when ulozitHistorii is set (without pixels)
    bool ulozitHistorii = false;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SampleCB(double cas, IMediaSample* vzorek) override;
    HRESULT STDMETHODCALLTYPE BufferCB(double, BYTE*, long) override { return E_NOTIMPL; }

    // References the graph holds on the callback (0 once it is torn down).
    long referenceZvenku = 0;

private:
    ComPtr<IGraphBuilder> graf_;
    ComPtr<IMediaControl> rizeni_;
    ComPtr<IBaseFilter> chytac_;
    ComPtr<ISampleGrabber> grabber_;
    ComPtr<IBaseFilter> nic_;
    ComPtr<IAMStreamConfig> konfigurace_;
    std::mutex zamek_;
    std::condition_variable zmena_;
    int pocet_ = 0;
    Snimek posledni_;
    std::vector<Snimek> historie_;
};

}  // namespace TestyKamery
