#include "KameraVGrafu.h"

#include <oleauto.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "testkamera/FormatKamery.h"

namespace TestyKamery {

using TestovaciKamera::BajtuRadku;
using TestovaciKamera::Bgr;
using TestovaciKamera::FormatKamery;

namespace {

void Over(HRESULT hr, const char* co) {
    if (FAILED(hr)) {
        char text[160];
        std::snprintf(text, sizeof text, "%s: 0x%08lX", co, static_cast<unsigned long>(hr));
        throw std::runtime_error(text);
    }
}

std::wstring CistText(IPropertyBag* vlastnosti, const wchar_t* nazev) {
    VARIANT v;
    ::VariantInit(&v);
    std::wstring text;
    if (SUCCEEDED(vlastnosti->Read(nazev, &v, nullptr)) && v.vt == VT_BSTR) text = v.bstrVal;
    ::VariantClear(&v);
    return text;
}

constexpr const wchar_t* kKlicSceny = L"Software\\Dunmar Holvent\\Tervik\\4.8\\Testovaci kamera";

}  // namespace

std::vector<Zarizeni> SeznamZarizeni() {
    std::vector<Zarizeni> seznam;
    ComPtr<ICreateDevEnum> vyctovac;
    Over(::CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&vyctovac)),
         "SystemDeviceEnum");
    ComPtr<IEnumMoniker> monikery;
    if (vyctovac->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, &monikery, 0) != S_OK) return seznam;
    IMoniker* m = nullptr;
    while (monikery->Next(1, &m, nullptr) == S_OK) {
        Zarizeni z;
        z.moniker = m;
        m->Release();
        ComPtr<IPropertyBag> vlastnosti;
        if (SUCCEEDED(z.moniker->BindToStorage(nullptr, nullptr, IID_PPV_ARGS(&vlastnosti)))) {
            z.nazev = CistText(vlastnosti.Get(), L"FriendlyName");
            z.cesta = CistText(vlastnosti.Get(), L"DevicePath");
            z.popis = CistText(vlastnosti.Get(), L"Description");
        }
        seznam.push_back(std::move(z));
    }
    return seznam;
}

std::vector<Zarizeni> ZarizeniSNazvem(const std::wstring& nazev) {
    std::vector<Zarizeni> vybrana;
    for (auto& z : SeznamZarizeni())
        if (z.nazev == nazev) vybrana.push_back(std::move(z));
    return vybrana;
}

ComPtr<IBaseFilter> OtevritKameru(const std::wstring& nazev) {
    auto zarizeni = ZarizeniSNazvem(nazev);
    if (zarizeni.empty()) throw std::runtime_error("test camera not registered");
    ComPtr<IBaseFilter> filtr;
    Over(zarizeni[0].moniker->BindToObject(nullptr, nullptr, IID_PPV_ARGS(&filtr)), "BindToObject");
    return filtr;
}

std::wstring CestaDll() {
    wchar_t cesta[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, cesta, MAX_PATH);
    std::wstring s(cesta, n);
    return s.substr(0, s.find_last_of(L"\\/") + 1) + L"TervikTestovaciKamera.dll";
}

DWORD Regsvr32(const std::wstring& argumenty) {
    std::wstring prikaz = L"regsvr32.exe " + argumenty + L" \"" + CestaDll() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return ::GetLastError();
    }
    ::WaitForSingleObject(pi.hProcess, 60000);
    DWORD kod = 1;
    ::GetExitCodeProcess(pi.hProcess, &kod);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return kod;
}

HRESULT MuzeSeUvolnit() {
    HMODULE modul = ::GetModuleHandleW(L"TervikTestovaciKamera.dll");
    if (!modul) return S_OK;
    using Funkce = HRESULT(STDAPICALLTYPE*)();
    auto f = reinterpret_cast<Funkce>(reinterpret_cast<void*>(::GetProcAddress(modul, "DllCanUnloadNow")));
    return f ? f() : E_FAIL;
}

DalsiZarizeni::DalsiZarizeni() { zaregistrovano_ = Regsvr32(L"/s /n /i:2,bezobrazu") == 0; }

DalsiZarizeni::~DalsiZarizeni() {
    Regsvr32(L"/s /n /i:1");
    Regsvr32(L"/s /u /n /i:bezobrazu");
}

PrepinacSceny::PrepinacSceny(DWORD scena) { Nastavit(scena); }

PrepinacSceny::~PrepinacSceny() { ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicSceny, L"scena"); }

void PrepinacSceny::Nastavit(DWORD scena) {
    Over(HRESULT_FROM_WIN32(::RegSetKeyValueW(HKEY_CURRENT_USER, kKlicSceny, L"scena", REG_DWORD, &scena, sizeof scena)),
         "RegSetKeyValueW");
}

Bgr Snimek::Bod(int x, int y) const {
    const std::uint8_t* p = data.data() + static_cast<std::size_t>(vyska - 1 - y) * BajtuRadku(sirka) + x * 3;
    return {p[0], p[1], p[2]};
}

double Snimek::Prumer() const {
    double soucet = 0;
    for (int y = 0; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x) {
            const Bgr b = Bod(x, y);
            soucet += b.b + b.g + b.r;
        }
    return soucet / (3.0 * sirka * vyska);
}

Rozdil Porovnat(const Snimek& a, const Snimek& b, const Knihovna::Obdelnik& o) {
    Rozdil r;
    for (int y = 0; y < a.vyska; ++y)
        for (int x = 0; x < a.sirka; ++x) {
            if (a.Bod(x, y) == b.Bod(x, y)) continue;
            const bool uvnitr = x >= o.left && x < o.right && y >= o.top && y < o.bottom;
            ++(uvnitr ? r.uvnitr : r.venku);
        }
    return r;
}

GrafKamery::GrafKamery(IBaseFilter* kamera, const GUID& kategorie, const FormatKamery* format) {
    Over(::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&graf_)), "FilterGraph");
    ComPtr<ICaptureGraphBuilder2> stavitel;
    Over(::CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&stavitel)),
         "CaptureGraphBuilder2");
    Over(stavitel->SetFiltergraph(graf_.Get()), "SetFiltergraph");
    Over(graf_->AddFilter(kamera, L"Kamera"), "AddFilter kamera");
    Over(::CoCreateInstance(kClsidSampleGrabber, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&chytac_)), "SampleGrabber");
    Over(chytac_.As(&grabber_), "ISampleGrabber");
    AM_MEDIA_TYPE typ{};
    typ.majortype = MEDIATYPE_Video;
    typ.subtype = MEDIASUBTYPE_RGB24;
    Over(grabber_->SetMediaType(&typ), "SetMediaType");
    Over(grabber_->SetCallback(this, 0), "SetCallback");
    Over(graf_->AddFilter(chytac_.Get(), L"Grabber"), "AddFilter grabber");
    Over(::CoCreateInstance(kClsidNullRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&nic_)), "NullRenderer");
    Over(graf_->AddFilter(nic_.Get(), L"Nic"), "AddFilter null");
    Over(stavitel->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, kamera, IID_IAMStreamConfig,
                                 reinterpret_cast<void**>(konfigurace_.GetAddressOf())),
         "FindInterface IAMStreamConfig");
    if (format) {
        AM_MEDIA_TYPE* mt = nullptr;
        Over(konfigurace_->GetFormat(&mt), "GetFormat");
        auto* info = reinterpret_cast<VIDEOINFOHEADER*>(mt->pbFormat);
        info->bmiHeader.biWidth = format->sirka;
        info->bmiHeader.biHeight = format->vyska;
        info->bmiHeader.biSizeImage = TestovaciKamera::VelikostObrazu(format->sirka, format->vyska);
        info->AvgTimePerFrame = format->interval;
        mt->lSampleSize = info->bmiHeader.biSizeImage;
        const HRESULT hr = konfigurace_->SetFormat(mt);
        ::CoTaskMemFree(mt->pbFormat);
        ::CoTaskMemFree(mt);
        Over(hr, "SetFormat");
    }
    Over(stavitel->RenderStream(&kategorie, &MEDIATYPE_Video, kamera, chytac_.Get(), nic_.Get()), "RenderStream");
    Over(graf_.As(&rizeni_), "IMediaControl");
}

GrafKamery::~GrafKamery() {
    Zastavit();
    if (grabber_) grabber_->SetCallback(nullptr, 0);
    // Removing the filters disconnects them, so the graph's release leaves nothing behind.
    if (graf_) {
        ComPtr<IEnumFilters> filtry;
        std::vector<ComPtr<IBaseFilter>> vsechny;
        if (SUCCEEDED(graf_->EnumFilters(&filtry))) {
            IBaseFilter* f = nullptr;
            while (filtry->Next(1, &f, nullptr) == S_OK) {
                vsechny.emplace_back(f);
                f->Release();
            }
        }
        for (auto& f : vsechny) graf_->RemoveFilter(f.Get());
    }
    konfigurace_.Reset();
    nic_.Reset();
    grabber_.Reset();
    chytac_.Reset();
    rizeni_.Reset();
    graf_.Reset();
}

HRESULT GrafKamery::Spustit() {
    const HRESULT hr = rizeni_->Run();
    if (hr == S_FALSE) {
        OAFilterState stav;
        return rizeni_->GetState(5000, &stav) == E_FAIL ? E_FAIL : S_OK;
    }
    return hr;
}

void GrafKamery::Zastavit() {
    if (rizeni_) rizeni_->Stop();
}

bool GrafKamery::CekatNaSnimky(int pocet, int casovyLimitMs) {
    std::unique_lock z(zamek_);
    const int cil = pocet_ + pocet;
    return zmena_.wait_for(z, std::chrono::milliseconds(casovyLimitMs), [&] { return pocet_ >= cil; });
}

bool GrafKamery::CekatNa(const std::function<bool(const Snimek&)>& podminka, Snimek& posledni, int casovyLimitMs) {
    const auto konec = std::chrono::steady_clock::now() + std::chrono::milliseconds(casovyLimitMs);
    int videno = 0;
    std::unique_lock z(zamek_);
    while (true) {
        if (pocet_ > videno && !posledni_.data.empty()) {
            videno = pocet_;
            posledni = posledni_;
            z.unlock();
            if (podminka(posledni)) return true;
            z.lock();
        }
        if (zmena_.wait_until(z, konec, [&] { return pocet_ > videno; }) == false) return false;
    }
}

Snimek GrafKamery::Posledni() {
    std::lock_guard z(zamek_);
    return posledni_;
}

std::vector<Snimek> GrafKamery::Historie() {
    std::lock_guard z(zamek_);
    return historie_;
}

HRESULT GrafKamery::QueryInterface(REFIID iid, void** ppv) {
    if (iid == IID_IUnknown || iid == IID_ISampleGrabberCB) {
        *ppv = static_cast<ISampleGrabberCB*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG GrafKamery::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&referenceZvenku)); }
ULONG GrafKamery::Release() { return static_cast<ULONG>(::InterlockedDecrement(&referenceZvenku)); }

HRESULT GrafKamery::SampleCB(double, IMediaSample* vzorek) {
    BYTE* data = nullptr;
    if (FAILED(vzorek->GetPointer(&data))) return S_OK;
    AM_MEDIA_TYPE typ{};
    if (FAILED(grabber_->GetConnectedMediaType(&typ))) return S_OK;
    const auto* info = reinterpret_cast<const VIDEOINFOHEADER*>(typ.pbFormat);
    Snimek s;
    s.sirka = info->bmiHeader.biWidth;
    s.vyska = info->bmiHeader.biHeight;
    ::CoTaskMemFree(typ.pbFormat);
    if (typ.pUnk) typ.pUnk->Release();
    const long delka = vzorek->GetActualDataLength();
    if (delka < static_cast<long>(TestovaciKamera::VelikostObrazu(s.sirka, s.vyska))) return S_OK;
    s.data.assign(data, data + delka);
    REFERENCE_TIME a = 0, b = 0;
    s.maCas = SUCCEEDED(vzorek->GetTime(&a, &b)) && (a != 0 || b != 0);
    s.zacatek = a;
    {
        std::lock_guard z(zamek_);
        ++pocet_;
        if (ulozitHistorii) {
            Snimek bezDat = s;
            bezDat.data.clear();
            historie_.push_back(std::move(bezDat));
        }
        posledni_ = std::move(s);
    }
    zmena_.notify_all();
    return S_OK;
}

}  // namespace TestyKamery

namespace {

// COM for the whole test program (free-threaded: the grabber calls back on the streaming thread).
class ProstrediCom : public ::testing::Environment {
public:
    void SetUp() override { ::CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    void TearDown() override { ::CoUninitialize(); }
};

[[maybe_unused]] auto* const prostredi = ::testing::AddGlobalTestEnvironment(new ProstrediCom);

}  // namespace
