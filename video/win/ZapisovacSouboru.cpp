#include "video/win/ZapisovacSouboru.h"

#include <cstring>
#include <new>

#include "knihovna/Chyba.h"

namespace Holvent::DirectShow {

namespace {

// {6B1E2A40-3C5D-4E8F-9A71-2D4C8B0E5F13}
constexpr CLSID kClsidZapisovace = {0x6b1e2a40, 0x3c5d, 0x4e8f, {0x9a, 0x71, 0x2d, 0x4c, 0x8b, 0x0e, 0x5f, 0x13}};
constexpr const wchar_t* kIdPinu = L"In";

HRESULT KopieTextu(const wchar_t* text, LPWSTR* vysledek) {
    if (!vysledek) return E_POINTER;
    const size_t bajtu = (::lstrlenW(text) + 1) * sizeof(wchar_t);
    *vysledek = static_cast<LPWSTR>(::CoTaskMemAlloc(bajtu));
    if (!*vysledek) return E_OUTOFMEMORY;
    std::memcpy(*vysledek, text, bajtu);
    return S_OK;
}

// An enumerator over at most one pin (the input).
class VyctovacPinu final : public IEnumPins {
public:
    VyctovacPinu(IBaseFilter* filtr, IPin* pin, ULONG pozice) : filtr_(filtr), pin_(pin), pozice_(pozice) {
        filtr_->AddRef();
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objekt) override {
        if (!objekt) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IEnumPins) {
            *objekt = static_cast<IEnumPins*>(this);
            AddRef();
            return S_OK;
        }
        *objekt = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++reference_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG r = --reference_;
        if (r == 0) delete this;
        return r;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG pocet, IPin** piny, ULONG* nacteno) override {
        if (!piny) return E_POINTER;
        ULONG n = 0;
        if (pocet > 0 && pozice_ == 0) {
            piny[0] = pin_;
            pin_->AddRef();
            pozice_ = 1;
            n = 1;
        }
        if (nacteno) *nacteno = n;
        return n == pocet ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG pocet) override {
        if (pocet == 0) return S_OK;
        const bool lze = pozice_ == 0 && pocet == 1;
        pozice_ = 1;
        return lze ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        pozice_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumPins** kopie) override {
        if (!kopie) return E_POINTER;
        *kopie = new (std::nothrow) VyctovacPinu(filtr_, pin_, pozice_);
        return *kopie ? S_OK : E_OUTOFMEMORY;
    }

private:
    ~VyctovacPinu() { filtr_->Release(); }
    std::atomic<ULONG> reference_{1};
    IBaseFilter* filtr_;
    IPin* pin_;
    ULONG pozice_;
};

// The input pin prefers no media type: an empty enumeration.
class PrazdnyVyctovacTypu final : public IEnumMediaTypes {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objekt) override {
        if (!objekt) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IEnumMediaTypes) {
            *objekt = static_cast<IEnumMediaTypes*>(this);
            AddRef();
            return S_OK;
        }
        *objekt = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++reference_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG r = --reference_;
        if (r == 0) delete this;
        return r;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG pocet, AM_MEDIA_TYPE**, ULONG* nacteno) override {
        if (nacteno) *nacteno = 0;
        return pocet == 0 ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG pocet) override { return pocet == 0 ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE Reset() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumMediaTypes** kopie) override {
        if (!kopie) return E_POINTER;
        *kopie = new (std::nothrow) PrazdnyVyctovacTypu;
        return *kopie ? S_OK : E_OUTOFMEMORY;
    }

private:
    ~PrazdnyVyctovacTypu() = default;
    std::atomic<ULONG> reference_{1};
};

}  // namespace

// The input pin: its references are the filter's.
class ZapisovacSouboru::Pin final : public IPin, public IMemInputPin, public IStream {
public:
    explicit Pin(ZapisovacSouboru& filtr) : filtr_(filtr) {}
    ~Pin() { Odpojit(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objekt) override {
        if (!objekt) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IPin) *objekt = static_cast<IPin*>(this);
        else if (iid == IID_IMemInputPin) *objekt = static_cast<IMemInputPin*>(this);
        else if (iid == IID_IStream || iid == IID_ISequentialStream) *objekt = static_cast<IStream*>(this);
        else {
            *objekt = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return filtr_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return filtr_.Release(); }

    // IPin
    HRESULT STDMETHODCALLTYPE Connect(IPin*, const AM_MEDIA_TYPE*) override { return E_UNEXPECTED; }
    HRESULT STDMETHODCALLTYPE ReceiveConnection(IPin* protejsek, const AM_MEDIA_TYPE* typ) override {
        if (!protejsek || !typ) return E_POINTER;
        if (protejsek_) return VFW_E_ALREADY_CONNECTED;
        if (QueryAccept(typ) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
        protejsek_ = protejsek;
        protejsek_->AddRef();
        typ_ = AM_MEDIA_TYPE{};
        typ_.majortype = typ->majortype;
        typ_.subtype = typ->subtype;
        typ_.formattype = FORMAT_None;
        typ_.bFixedSizeSamples = FALSE;
        typ_.lSampleSize = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Disconnect() override {
        if (!protejsek_) return S_FALSE;
        Odpojit();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ConnectedTo(IPin** pin) override {
        if (!pin) return E_POINTER;
        *pin = protejsek_;
        if (!protejsek_) return VFW_E_NOT_CONNECTED;
        protejsek_->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ConnectionMediaType(AM_MEDIA_TYPE* typ) override {
        if (!typ) return E_POINTER;
        *typ = AM_MEDIA_TYPE{};
        if (!protejsek_) return VFW_E_NOT_CONNECTED;
        *typ = typ_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryPinInfo(PIN_INFO* info) override {
        if (!info) return E_POINTER;
        info->pFilter = &filtr_;
        filtr_.AddRef();
        info->dir = PINDIR_INPUT;
        ::lstrcpynW(info->achName, kIdPinu, MAX_PIN_NAME);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryDirection(PIN_DIRECTION* smer) override {
        if (!smer) return E_POINTER;
        *smer = PINDIR_INPUT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryId(LPWSTR* id) override { return KopieTextu(kIdPinu, id); }
    HRESULT STDMETHODCALLTYPE QueryAccept(const AM_MEDIA_TYPE* typ) override {
        if (!typ) return E_POINTER;
        return typ->majortype == MEDIATYPE_Stream ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE EnumMediaTypes(IEnumMediaTypes** vycet) override {
        if (!vycet) return E_POINTER;
        *vycet = new (std::nothrow) PrazdnyVyctovacTypu;
        return *vycet ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE QueryInternalConnections(IPin**, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EndOfStream() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE BeginFlush() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EndFlush() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return S_OK; }

    // IMemInputPin: the multiplexer brings its own allocator; a sample's start time is its offset.
    HRESULT STDMETHODCALLTYPE GetAllocator(IMemAllocator** alokator) override {
        if (alokator) *alokator = nullptr;
        return VFW_E_NO_ALLOCATOR;
    }
    HRESULT STDMETHODCALLTYPE NotifyAllocator(IMemAllocator*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetAllocatorRequirements(ALLOCATOR_PROPERTIES*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Receive(IMediaSample* vzorek) override {
        if (!vzorek) return E_POINTER;
        BYTE* data = nullptr;
        if (FAILED(vzorek->GetPointer(&data)) || !data) return E_POINTER;
        const long delka = vzorek->GetActualDataLength();
        if (delka <= 0) return S_OK;
        REFERENCE_TIME zacatek = 0, konec = 0;
        std::uint64_t pozice = pozicePrijmu_;
        if (SUCCEEDED(vzorek->GetTime(&zacatek, &konec)) && zacatek >= 0) pozice = static_cast<std::uint64_t>(zacatek);
        const HRESULT hr = filtr_.Zapsat(pozice, data, static_cast<DWORD>(delka));
        if (SUCCEEDED(hr)) pozicePrijmu_ = pozice + static_cast<std::uint64_t>(delka);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE ReceiveMultiple(IMediaSample** vzorky, long pocet, long* zpracovano) override {
        if (!vzorky || !zpracovano) return E_POINTER;
        *zpracovano = 0;
        for (long i = 0; i < pocet; ++i) {
            const HRESULT hr = Receive(vzorky[i]);
            if (FAILED(hr)) return hr;
            ++*zpracovano;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ReceiveCanBlock() override { return S_OK; }

    // IStream: the multiplexer's header and index at the stop.
    HRESULT STDMETHODCALLTYPE Read(void* data, ULONG delka, ULONG* precteno) override {
        DWORD n = 0;
        const HRESULT hr = filtr_.Precist(poziceProudu_, static_cast<BYTE*>(data), delka, &n);
        poziceProudu_ += n;
        if (precteno) *precteno = n;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE Write(const void* data, ULONG delka, ULONG* zapsano) override {
        if (zapsano) *zapsano = 0;
        if (!data) return STG_E_INVALIDPOINTER;
        const HRESULT hr = filtr_.Zapsat(poziceProudu_, static_cast<const BYTE*>(data), delka);
        if (FAILED(hr)) return hr;
        poziceProudu_ += delka;
        if (zapsano) *zapsano = delka;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER posun, DWORD odkud, ULARGE_INTEGER* nova) override {
        std::int64_t zaklad = 0;
        switch (odkud) {
        case STREAM_SEEK_SET: break;
        case STREAM_SEEK_CUR: zaklad = static_cast<std::int64_t>(poziceProudu_); break;
        case STREAM_SEEK_END: {
            std::uint64_t velikost = 0;
            if (const HRESULT hr = filtr_.VelikostSouboru(velikost); FAILED(hr)) return hr;
            zaklad = static_cast<std::int64_t>(velikost);
            break;
        }
        default: return STG_E_INVALIDFUNCTION;
        }
        const std::int64_t cil = zaklad + posun.QuadPart;
        if (cil < 0) return STG_E_INVALIDFUNCTION;
        poziceProudu_ = static_cast<std::uint64_t>(cil);
        if (nova) nova->QuadPart = poziceProudu_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER velikost) override {
        return filtr_.NastavitVelikostSouboru(velikost.QuadPart);
    }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
        if (!stat) return STG_E_INVALIDPOINTER;
        *stat = STATSTG{};
        stat->type = STGTY_STREAM;
        std::uint64_t velikost = 0;
        if (const HRESULT hr = filtr_.VelikostSouboru(velikost); FAILED(hr)) return hr;
        stat->cbSize.QuadPart = velikost;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

private:
    void Odpojit() {
        if (protejsek_) protejsek_->Release();
        protejsek_ = nullptr;
    }

    ZapisovacSouboru& filtr_;
    IPin* protejsek_ = nullptr;
    AM_MEDIA_TYPE typ_{};
    std::uint64_t pozicePrijmu_ = 0;   // streaming thread
    std::uint64_t poziceProudu_ = 0;   // IStream's seek pointer (the stopping thread)
};

UkazatelCom<ZapisovacSouboru> ZapisovacSouboru::Vytvorit(const std::wstring& soubor, HWND cil, UINT zprava) {
    // Readers may copy the file while it grows.
    HANDLE h = ::CreateFileW(soubor.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) Knihovna::VyhoditPriChybeWin32(::GetLastError());
    const auto lomitko = soubor.find_last_of(L"\\/");
    std::wstring slozka = lomitko == std::wstring::npos ? std::wstring(L".\\") : soubor.substr(0, lomitko + 1);
    auto* z = new (std::nothrow) ZapisovacSouboru(h, std::move(slozka), cil, zprava);
    if (!z) {
        ::CloseHandle(h);
        Knihovna::Vyhodit(Knihovna::kE_OUTOFMEMORY);
    }
    return UkazatelCom<ZapisovacSouboru>::Prevzit(z);
}

ZapisovacSouboru::ZapisovacSouboru(HANDLE soubor, std::wstring slozka, HWND cil, UINT zprava)
    : soubor_(soubor), slozka_(std::move(slozka)), cil_(cil), zprava_(zprava), pin_(new Pin(*this)) {}

ZapisovacSouboru::~ZapisovacSouboru() {
    ZavritSoubor();
    delete pin_;
    if (hodiny_) hodiny_->Release();
}

IPin* ZapisovacSouboru::Vstup() { return pin_; }

void ZapisovacSouboru::NastavitProudy(std::vector<ProudAvi> proudy) {
    std::lock_guard zamek(zamek_);
    proudy_ = std::move(proudy);
}

void ZapisovacSouboru::ZavritSoubor() noexcept {
    std::lock_guard zamek(zamek_);
    if (soubor_ != INVALID_HANDLE_VALUE) ::CloseHandle(soubor_);
    soubor_ = INVALID_HANDLE_VALUE;
}

void ZapisovacSouboru::Odmitnout(WPARAM duvod) noexcept {
    // Posted, never sent: the camera's thread may be waiting for this one (the graph's stop).
    if (evidence_.PrvniOdmitnuti() && cil_ && zprava_) ::PostMessageW(cil_, zprava_, duvod, 0);
}

HRESULT ZapisovacSouboru::Zapsat(std::uint64_t pozice, const BYTE* data, DWORD delka) noexcept {
    std::lock_guard zamek(zamek_);
    if (soubor_ == INVALID_HANDLE_VALUE) return E_UNEXPECTED;
    const EvidenceZapisu::Plan plan = evidence_.Pripravit(pozice, delka);
    if (plan.zjistitMisto) {
        ULARGE_INTEGER volne{};
        if (::GetDiskFreeSpaceExW(slozka_.c_str(), &volne, nullptr, nullptr)) evidence_.NastavitVolneMisto(volne.QuadPart);
    }
    auto zapsat = [&](std::uint64_t kam, const BYTE* co, DWORD kolik) -> HRESULT {
        if (!evidence_.Povolit(kolik)) {
            Odmitnout(0);
            return STG_E_MEDIUMFULL;
        }
        OVERLAPPED misto{};
        misto.Offset = static_cast<DWORD>(kam);
        misto.OffsetHigh = static_cast<DWORD>(kam >> 32);
        DWORD zapsano = 0;
        if (!::WriteFile(soubor_, co, kolik, &zapsano, &misto) || zapsano != kolik) {
            const DWORD chyba = ::GetLastError();
            Odmitnout(1);
            return chyba ? HRESULT_FROM_WIN32(chyba) : STG_E_WRITEFAULT;
        }
        evidence_.Zapsano(kam, kolik);
        return S_OK;
    };
    if (plan.prozatimniHlavicka) {
        // Once per recording (the only allocation of the streaming path).
        const std::vector<std::uint8_t> hlavicka = ProzatimniHlavickaAvi(proudy_, pozice);
        if (!hlavicka.empty()) {
            if (const HRESULT hr = zapsat(0, hlavicka.data(), static_cast<DWORD>(hlavicka.size())); FAILED(hr)) return hr;
        }
    }
    return zapsat(pozice, data, delka);
}

HRESULT ZapisovacSouboru::Precist(std::uint64_t pozice, BYTE* data, DWORD delka, DWORD* precteno) noexcept {
    std::lock_guard zamek(zamek_);
    *precteno = 0;
    if (soubor_ == INVALID_HANDLE_VALUE) return E_UNEXPECTED;
    if (!data) return STG_E_INVALIDPOINTER;
    OVERLAPPED misto{};
    misto.Offset = static_cast<DWORD>(pozice);
    misto.OffsetHigh = static_cast<DWORD>(pozice >> 32);
    if (!::ReadFile(soubor_, data, delka, precteno, &misto)) {
        const DWORD chyba = ::GetLastError();
        if (chyba != ERROR_HANDLE_EOF) return HRESULT_FROM_WIN32(chyba);
    }
    return *precteno == delka ? S_OK : S_FALSE;
}

HRESULT ZapisovacSouboru::VelikostSouboru(std::uint64_t& velikost) noexcept {
    std::lock_guard zamek(zamek_);
    if (soubor_ == INVALID_HANDLE_VALUE) return E_UNEXPECTED;
    LARGE_INTEGER v{};
    if (!::GetFileSizeEx(soubor_, &v)) return HRESULT_FROM_WIN32(::GetLastError());
    velikost = static_cast<std::uint64_t>(v.QuadPart);
    return S_OK;
}

HRESULT ZapisovacSouboru::NastavitVelikostSouboru(std::uint64_t velikost) noexcept {
    std::lock_guard zamek(zamek_);
    if (soubor_ == INVALID_HANDLE_VALUE) return E_UNEXPECTED;
    FILE_END_OF_FILE_INFO konec{};
    konec.EndOfFile.QuadPart = static_cast<LONGLONG>(velikost);
    if (!::SetFileInformationByHandle(soubor_, FileEndOfFileInfo, &konec, sizeof konec))
        return HRESULT_FROM_WIN32(::GetLastError());
    return S_OK;
}

HRESULT ZapisovacSouboru::QueryInterface(REFIID iid, void** objekt) {
    if (!objekt) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IPersist || iid == IID_IMediaFilter || iid == IID_IBaseFilter) {
        *objekt = static_cast<IBaseFilter*>(this);
        AddRef();
        return S_OK;
    }
    *objekt = nullptr;
    return E_NOINTERFACE;
}

ULONG ZapisovacSouboru::AddRef() { return ++reference_; }

ULONG ZapisovacSouboru::Release() {
    const ULONG r = --reference_;
    if (r == 0) delete this;
    return r;
}

HRESULT ZapisovacSouboru::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = kClsidZapisovace;
    return S_OK;
}

HRESULT ZapisovacSouboru::Stop() {
    stav_ = State_Stopped;
    return S_OK;
}

HRESULT ZapisovacSouboru::Pause() {
    stav_ = State_Paused;
    return S_OK;
}

HRESULT ZapisovacSouboru::Run(REFERENCE_TIME) {
    stav_ = State_Running;
    return S_OK;
}

HRESULT ZapisovacSouboru::GetState(DWORD, FILTER_STATE* stav) {
    if (!stav) return E_POINTER;
    *stav = stav_;
    return S_OK;
}

HRESULT ZapisovacSouboru::SetSyncSource(IReferenceClock* hodiny) {
    if (hodiny) hodiny->AddRef();
    if (hodiny_) hodiny_->Release();
    hodiny_ = hodiny;
    return S_OK;
}

HRESULT ZapisovacSouboru::GetSyncSource(IReferenceClock** hodiny) {
    if (!hodiny) return E_POINTER;
    *hodiny = hodiny_;
    if (hodiny_) hodiny_->AddRef();
    return S_OK;
}

HRESULT ZapisovacSouboru::EnumPins(IEnumPins** vycet) {
    if (!vycet) return E_POINTER;
    *vycet = new (std::nothrow) VyctovacPinu(this, pin_, 0);
    return *vycet ? S_OK : E_OUTOFMEMORY;
}

HRESULT ZapisovacSouboru::FindPin(LPCWSTR id, IPin** pin) {
    if (!id || !pin) return E_POINTER;
    *pin = nullptr;
    if (::lstrcmpW(id, kIdPinu) != 0) return VFW_E_NOT_FOUND;
    *pin = pin_;
    pin_->AddRef();
    return S_OK;
}

HRESULT ZapisovacSouboru::QueryFilterInfo(FILTER_INFO* info) {
    if (!info) return E_POINTER;
    ::lstrcpynW(info->achName, jmeno_.c_str(), MAX_FILTER_NAME);
    info->pGraph = graf_;
    if (graf_) graf_->AddRef();
    return S_OK;
}

HRESULT ZapisovacSouboru::JoinFilterGraph(IFilterGraph* graf, LPCWSTR jmeno) {
    graf_ = graf;
    jmeno_ = jmeno ? jmeno : L"";
    return S_OK;
}

HRESULT ZapisovacSouboru::QueryVendorInfo(LPWSTR*) { return E_NOTIMPL; }

}  // namespace Holvent::DirectShow
