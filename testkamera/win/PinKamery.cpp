#include "testkamera/win/PinKamery.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "testkamera/CasovaniSnimku.h"
#include "testkamera/win/FiltrKamery.h"
#include "testkamera/win/IdentifikaceKamery.h"
#include "testkamera/win/TypyMedii.h"
#include "testkamera/win/VyctovacTypu.h"

using Microsoft::WRL::ComPtr;

namespace TestovaciKamera {

namespace {

constexpr Cas100ns kIntervalSceny = 200 * 10'000;  // the scene switch is read every 200 ms

// 0 still picture, 1 moving object; a missing value or one of another type counts as 0.
int CistScenu() {
    DWORD hodnota = 0;
    DWORD velikost = sizeof hodnota;
    const LSTATUS s = ::RegGetValueW(HKEY_CURRENT_USER, kKlicSceny, kHodnotaSceny, RRF_RT_REG_DWORD, nullptr,
                                     &hodnota, &velikost);
    return s == ERROR_SUCCESS && hodnota <= 2 ? static_cast<int>(hodnota) : 0;
}

Cas100ns TedQpc() {
    static const LONGLONG frekvence = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<Cas100ns>(t.QuadPart / frekvence * kSekunda + t.QuadPart % frekvence * kSekunda / frekvence);
}

Knihovna::MistniCas MistniCasTed() {
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace

PinKamery::PinKamery(FiltrKamery& filtr)
    : filtr_(filtr), format_(VychoziFormat()), udalostKonce_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

PinKamery::~PinKamery() {
    Zastavit();
    UvolnitSpojeni();
    if (udalostKonce_) ::CloseHandle(udalostKonce_);
}

HRESULT PinKamery::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IPin) {
        *ppv = static_cast<IPin*>(this);
    } else if (iid == IID_IAMStreamConfig) {
        *ppv = static_cast<IAMStreamConfig*>(this);
    } else if (iid == IID_IKsPropertySet) {
        *ppv = static_cast<IKsPropertySet*>(this);
    } else if (iid == IID_ISpecifyPropertyPages) {
        *ppv = static_cast<ISpecifyPropertyPages*>(this);
    } else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG PinKamery::AddRef() { return filtr_.AddRef(); }

HRESULT PinKamery::GetPages(CAUUID* stranky) {
    if (!stranky) return E_POINTER;
    stranky->pElems = static_cast<GUID*>(::CoTaskMemAlloc(sizeof(GUID)));
    if (!stranky->pElems) {
        stranky->cElems = 0;
        return E_OUTOFMEMORY;
    }
    stranky->cElems = 1;
    stranky->pElems[0] = kClsidStrankyFormatu;
    return S_OK;
}
ULONG PinKamery::Release() { return filtr_.Release(); }

HRESULT PinKamery::Connect(IPin* prijemce, const AM_MEDIA_TYPE* typ) {
    if (!prijemce) return E_POINTER;
    std::lock_guard zamek(filtr_.Zamek());
    if (protejsek_) return VFW_E_ALREADY_CONNECTED;
    if (filtr_.Stav() != State_Stopped) return VFW_E_NOT_STOPPED;

    // A fully specified type is tried alone; otherwise the current format goes first (so a format
    // set through IAMStreamConfig before connecting is what the graph gets), then the others.
    if (typ && typ->majortype != GUID_NULL && typ->subtype != GUID_NULL && typ->formattype != GUID_NULL) {
        const auto f = FormatZTypu(*typ);
        if (!f) return VFW_E_TYPE_NOT_ACCEPTED;
        return ZkusitSpojeni(prijemce, *f);
    }
    std::vector<FormatKamery> kandidati{format_};
    for (const auto& f : NabizeneFormaty()) {
        if (f.sirka != format_.sirka || f.vyska != format_.vyska) kandidati.push_back(f);
    }
    for (const auto& f : kandidati) {
        if (typ && !TypOdpovida(*typ, f)) continue;
        if (SUCCEEDED(ZkusitSpojeni(prijemce, f))) return S_OK;
    }
    return VFW_E_NO_ACCEPTABLE_TYPES;
}

HRESULT PinKamery::ZkusitSpojeni(IPin* prijemce, const FormatKamery& format) {
    AM_MEDIA_TYPE typ;
    if (!VyplnitTyp(typ, format)) return E_OUTOFMEMORY;
    const FormatKamery predchozi = format_;
    // The peer may ask for our connection during ReceiveConnection.
    protejsek_ = prijemce;
    format_ = format;
    HRESULT hr = prijemce->ReceiveConnection(this, &typ);
    UvolnitFormat(typ);
    if (SUCCEEDED(hr)) {
        ComPtr<IMemInputPin> vstup;
        hr = prijemce->QueryInterface(IID_PPV_ARGS(&vstup));
        if (FAILED(hr)) hr = VFW_E_NO_TRANSPORT;
        else hr = DohodnoutAlokator(vstup.Get(), format);
        if (SUCCEEDED(hr)) {
            vstup_ = vstup;
            return S_OK;
        }
        prijemce->Disconnect();
    }
    protejsek_.Reset();
    format_ = predchozi;
    return hr;
}

HRESULT PinKamery::DohodnoutAlokator(IMemInputPin* vstup, const FormatKamery& format) {
    ALLOCATOR_PROPERTIES pozadavky{};
    vstup->GetAllocatorRequirements(&pozadavky);
    ALLOCATOR_PROPERTIES chci{};
    chci.cBuffers = std::max<long>(3, pozadavky.cBuffers);
    chci.cbBuffer = static_cast<long>(VelikostObrazu(format.sirka, format.vyska));
    chci.cbAlign = std::max<long>(1, pozadavky.cbAlign);
    chci.cbPrefix = pozadavky.cbPrefix;

    // The peer's allocator first, our own memory allocator when it has none or refuses the sizes.
    for (int pokus = 0; pokus < 2; ++pokus) {
        ComPtr<IMemAllocator> alokator;
        HRESULT hr = pokus == 0 ? vstup->GetAllocator(&alokator)
                                : ::CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER,
                                                     IID_PPV_ARGS(&alokator));
        if (FAILED(hr) || !alokator) continue;
        ALLOCATOR_PROPERTIES skutecne{};
        hr = alokator->SetProperties(&chci, &skutecne);
        if (FAILED(hr) || skutecne.cbBuffer < chci.cbBuffer) continue;
        if (FAILED(vstup->NotifyAllocator(alokator.Get(), FALSE))) continue;
        alokator_ = alokator;
        return S_OK;
    }
    return VFW_E_NO_ALLOCATOR;
}

void PinKamery::UvolnitSpojeni() {
    alokator_.Reset();
    vstup_.Reset();
    protejsek_.Reset();
}

HRESULT PinKamery::ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) { return E_UNEXPECTED; }

HRESULT PinKamery::Disconnect() {
    std::lock_guard zamek(filtr_.Zamek());
    if (filtr_.Stav() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (!protejsek_) return S_FALSE;
    if (alokator_) alokator_->Decommit();
    UvolnitSpojeni();
    return S_OK;
}

HRESULT PinKamery::ConnectedTo(IPin** pin) {
    if (!pin) return E_POINTER;
    std::lock_guard zamek(filtr_.Zamek());
    *pin = protejsek_.Get();
    if (!*pin) return VFW_E_NOT_CONNECTED;
    (*pin)->AddRef();
    return S_OK;
}

HRESULT PinKamery::ConnectionMediaType(AM_MEDIA_TYPE* typ) {
    if (!typ) return E_POINTER;
    std::lock_guard zamek(filtr_.Zamek());
    if (!protejsek_) {
        *typ = AM_MEDIA_TYPE{};
        return VFW_E_NOT_CONNECTED;
    }
    return VyplnitTyp(*typ, format_) ? S_OK : E_OUTOFMEMORY;
}

HRESULT PinKamery::QueryPinInfo(PIN_INFO* info) {
    if (!info) return E_POINTER;
    info->pFilter = &filtr_;
    filtr_.AddRef();
    info->dir = PINDIR_OUTPUT;
    const std::wstring nazev = kNazevPinu;
    const std::size_t delka = std::min(nazev.size(), std::size(info->achName) - 1);
    nazev.copy(info->achName, delka);
    info->achName[delka] = L'\0';
    return S_OK;
}

HRESULT PinKamery::QueryDirection(PIN_DIRECTION* smer) {
    if (!smer) return E_POINTER;
    *smer = PINDIR_OUTPUT;
    return S_OK;
}

HRESULT PinKamery::QueryId(LPWSTR* id) {
    if (!id) return E_POINTER;
    const std::size_t bajtu = (std::wcslen(kNazevPinu) + 1) * sizeof(wchar_t);
    *id = static_cast<LPWSTR>(::CoTaskMemAlloc(bajtu));
    if (!*id) return E_OUTOFMEMORY;
    std::memcpy(*id, kNazevPinu, bajtu);
    return S_OK;
}

HRESULT PinKamery::QueryAccept(const AM_MEDIA_TYPE* typ) {
    if (!typ) return E_POINTER;
    return FormatZTypu(*typ) ? S_OK : S_FALSE;
}

HRESULT PinKamery::EnumMediaTypes(IEnumMediaTypes** vyctovac) {
    if (!vyctovac) return E_POINTER;
    std::vector<FormatKamery> formaty;
    {
        std::lock_guard zamek(filtr_.Zamek());
        formaty.push_back(format_);
    }
    for (const auto& f : NabizeneFormaty()) {
        if (f.sirka != formaty[0].sirka || f.vyska != formaty[0].vyska) formaty.push_back(f);
    }
    *vyctovac = new (std::nothrow) VyctovacTypu(std::move(formaty), 0);
    return *vyctovac ? S_OK : E_OUTOFMEMORY;
}

HRESULT PinKamery::QueryInternalConnections(IPin**, ULONG*) { return E_NOTIMPL; }
HRESULT PinKamery::EndOfStream() { return E_UNEXPECTED; }
HRESULT PinKamery::BeginFlush() { return E_UNEXPECTED; }
HRESULT PinKamery::EndFlush() { return E_UNEXPECTED; }
HRESULT PinKamery::NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) { return S_OK; }

HRESULT PinKamery::SetFormat(AM_MEDIA_TYPE* typ) {
    if (!typ) return E_POINTER;
    const auto format = FormatZTypu(*typ);
    if (!format) return VFW_E_INVALIDMEDIATYPE;
    std::lock_guard zamek(filtr_.Zamek());
    if (filtr_.Stav() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (!protejsek_ || *format == format_) {
        format_ = *format;
        return S_OK;
    }
    // Connected: the peer must take the new format. The pin reconnects itself rather than through
    // IFilterGraph2::ReconnectEx, which Wine answers with success without reconnecting anything
    // (the pin would then make frames that no longer fit the negotiated buffers).
    if (protejsek_->QueryAccept(typ) != S_OK) return VFW_E_INVALIDMEDIATYPE;
    ComPtr<IPin> protejsek = protejsek_;
    const FormatKamery predchozi = format_;
    protejsek->Disconnect();
    UvolnitSpojeni();
    const HRESULT hr = ZkusitSpojeni(protejsek.Get(), *format);
    if (SUCCEEDED(hr)) return S_OK;
    // Back to the old format, so a refused change leaves a working connection.
    ZkusitSpojeni(protejsek.Get(), predchozi);
    return hr;
}

HRESULT PinKamery::GetFormat(AM_MEDIA_TYPE** typ) {
    if (!typ) return E_POINTER;
    std::lock_guard zamek(filtr_.Zamek());
    *typ = VytvoritTyp(format_);
    return *typ ? S_OK : E_OUTOFMEMORY;
}

HRESULT PinKamery::GetNumberOfCapabilities(int* pocet, int* velikost) {
    if (!pocet || !velikost) return E_POINTER;
    *pocet = static_cast<int>(NabizeneFormaty().size());
    *velikost = sizeof(VIDEO_STREAM_CONFIG_CAPS);
    return S_OK;
}

HRESULT PinKamery::GetStreamCaps(int index, AM_MEDIA_TYPE** typ, BYTE* schopnosti) {
    if (!typ || !schopnosti) return E_POINTER;
    if (index < 0) return E_INVALIDARG;
    if (static_cast<std::size_t>(index) >= NabizeneFormaty().size()) return S_FALSE;
    const FormatKamery& f = NabizeneFormaty()[index];
    *typ = VytvoritTyp(f);
    if (!*typ) return E_OUTOFMEMORY;
    VIDEO_STREAM_CONFIG_CAPS caps{};
    caps.guid = FORMAT_VideoInfo;
    caps.VideoStandard = 0;
    caps.InputSize = {f.sirka, f.vyska};
    caps.MinCroppingSize = caps.MaxCroppingSize = caps.InputSize;
    caps.CropGranularityX = caps.CropGranularityY = 1;
    caps.CropAlignX = caps.CropAlignY = 1;
    caps.MinOutputSize = caps.MaxOutputSize = caps.InputSize;
    caps.OutputGranularityX = caps.OutputGranularityY = 1;
    caps.MinFrameInterval = kNejkratsiInterval;
    caps.MaxFrameInterval = kNejdelsiInterval;
    caps.MinBitsPerSecond = static_cast<LONG>(BitovaRychlost({f.sirka, f.vyska, kNejdelsiInterval}));
    caps.MaxBitsPerSecond = static_cast<LONG>(BitovaRychlost({f.sirka, f.vyska, kNejkratsiInterval}));
    std::memcpy(schopnosti, &caps, sizeof caps);
    return S_OK;
}

HRESULT PinKamery::Set(REFGUID sada, DWORD, void*, DWORD, void*, DWORD) {
    return sada == AMPROPSETID_Pin ? E_PROP_ID_UNSUPPORTED : E_PROP_SET_UNSUPPORTED;
}

HRESULT PinKamery::Get(REFGUID sada, DWORD id, void*, DWORD, void* data, DWORD velikost, DWORD* vraceno) {
    if (sada != AMPROPSETID_Pin) return E_PROP_SET_UNSUPPORTED;
    if (id != AMPROPERTY_PIN_CATEGORY) return E_PROP_ID_UNSUPPORTED;
    if (vraceno) *vraceno = sizeof(GUID);
    if (!data) return vraceno ? S_OK : E_POINTER;
    if (velikost < sizeof(GUID)) return E_UNEXPECTED;
    std::memcpy(data, &PIN_CATEGORY_CAPTURE, sizeof(GUID));
    return S_OK;
}

HRESULT PinKamery::QuerySupported(REFGUID sada, DWORD id, DWORD* podpora) {
    if (sada != AMPROPSETID_Pin) return E_PROP_SET_UNSUPPORTED;
    if (id != AMPROPERTY_PIN_CATEGORY) return E_PROP_ID_UNSUPPORTED;
    if (podpora) *podpora = KSPROPERTY_SUPPORT_GET;
    return S_OK;
}

HRESULT PinKamery::Pripravit() {
    if (!alokator_) return S_OK;  // an unconnected source just changes state
    return alokator_->Commit();
}

void PinKamery::Spustit() {
    bezi_ = true;
    if (vlakno_.joinable() || !alokator_ || !vstup_) return;
    ::ResetEvent(udalostKonce_);
    vlakno_ = std::thread(&PinKamery::Proud, this, alokator_, vstup_, format_);
}

void PinKamery::Pozastavit() { bezi_ = false; }

void PinKamery::Zastavit() {
    bezi_ = false;
    if (vlakno_.joinable()) {
        ::SetEvent(udalostKonce_);
        // Decommitting releases a thread that waits in GetBuffer for a free sample.
        if (alokator_) alokator_->Decommit();
        vlakno_.join();
    } else if (alokator_) {
        alokator_->Decommit();
    }
}

void PinKamery::Proud(ComPtr<IMemAllocator> alokator, ComPtr<IMemInputPin> vstup, FormatKamery format) {
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const std::uint32_t velikost = VelikostObrazu(format.sirka, format.vyska);
    CasovaniSnimku casovani(format.interval);
    casovani.Zacit(TedQpc());
    int scena = CistScenu();
    Odpojeni odpojeni = CistOdpojeni();
    Cas100ns cteniSceny = TedQpc();
    bool prvni = true;
    bool pozastaveno = false;
    bool ztraceno = false;  // an unplugged device stays gone for this run, as a real one does

    for (;;) {
        const Cas100ns cekat = casovani.Cekat(TedQpc());
        if (::WaitForSingleObject(udalostKonce_, static_cast<DWORD>((cekat + 9'999) / 10'000)) == WAIT_OBJECT_0) break;
        if (!bezi_) {
            pozastaveno = true;
            if (::WaitForSingleObject(udalostKonce_, 20) == WAIT_OBJECT_0) break;
            continue;
        }
        if (pozastaveno) {
            pozastaveno = false;
            casovani.Zacit(TedQpc());
        }
        if (TedQpc() - cteniSceny >= kIntervalSceny) {
            scena = CistScenu();
            odpojeni = CistOdpojeni();
            cteniSceny = TedQpc();
        }
        if (odpojeni == Odpojeni::Odpojeno && !ztraceno) {
            ztraceno = true;
            filtr_.OznamitZtratu();
        }
        if (ztraceno || odpojeni == Odpojeni::BezSnimku) {
            // Nothing is delivered; the switches are still read, and a silent device resumes at a steady rate.
            pozastaveno = true;
            if (::WaitForSingleObject(udalostKonce_, 20) == WAIT_OBJECT_0) break;
            continue;
        }

        // MinGW's ComPtr::Attach adds a reference of its own, so the sample is released by hand.
        IMediaSample* vzorek = nullptr;
        if (FAILED(alokator->GetBuffer(&vzorek, nullptr, nullptr, 0)) || !vzorek) {
            // Decommitted (stopping) or out of buffers for a moment.
            if (::WaitForSingleObject(udalostKonce_, 10) == WAIT_OBJECT_0) break;
            continue;
        }
        BYTE* data = nullptr;
        if (SUCCEEDED(vzorek->GetPointer(&data)) && data && vzorek->GetSize() >= static_cast<long>(velikost)) {
            StavSnimku stav = filtr_.StavProSnimek();
            stav.cas = MistniCasTed();
            stav.cislo = ++cisloSnimku_;
            stav.scena = scena;
            vzor_.Vykreslit(data, format.sirka, format.vyska, stav);
            vzorek->SetActualDataLength(static_cast<long>(velikost));
            vzorek->SetSyncPoint(TRUE);
            vzorek->SetDiscontinuity(prvni ? TRUE : FALSE);
            REFERENCE_TIME zacatek = 0;
            if (filtr_.CasProudu(zacatek)) {
                REFERENCE_TIME konec = zacatek + format.interval;
                vzorek->SetTime(&zacatek, &konec);
            } else {
                vzorek->SetTime(nullptr, nullptr);
            }
            LONGLONG m0 = stav.cislo, m1 = stav.cislo + 1LL;
            vzorek->SetMediaTime(&m0, &m1);
            // A refused sample (an unconnected Smart Tee preview pin, a renderer that is not
            // running yet) does not end the stream: the next frame is offered as usual.
            vstup->Receive(vzorek);
            prvni = false;
        }
        vzorek->Release();
        casovani.Snimek(TedQpc());
    }
    vstup.Reset();
    alokator.Reset();
    if (SUCCEEDED(com)) ::CoUninitialize();
}

}  // namespace TestovaciKamera
