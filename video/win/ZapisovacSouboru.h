#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "video/EvidenceZapisu.h"
#include "video/HlavickaAvi.h"
#include "video/win/HlavickyDirectShow.h"
#include "video/win/UkazatelCom.h"

namespace Holvent::DirectShow {

// The file sink behind the AVI multiplexer: one input pin taking the multiplexer's samples (their
// start time is the byte offset) through IMemInputPin and its header and index through IStream,
// written with 64-bit offsets into a plain file. It keeps the disk reserve, tells the notification
// target once when it refuses a write, and gives the file a provisional header so that a file of a
// killed process stays readable.
class ZapisovacSouboru final : public IBaseFilter {
public:
    // Creates (or truncates) the file; raises on failure. `cil`/`zprava` receive the refusal notice
    // (wParam 0 short of space, 1 a failed write).
    static UkazatelCom<ZapisovacSouboru> Vytvorit(const std::wstring& soubor, HWND cil, UINT zprava);

    // The multiplexer's input streams in their order, for the provisional header (before Run).
    void NastavitProudy(std::vector<ProudAvi> proudy);
    // The multiplexer is about to finish the file: its writes may use the reserve.
    void Zastavovani() { evidence_.NastavitZastavovani(true); }
    // Closes the file; later writes fail. Never raises.
    void ZavritSoubor() noexcept;
    std::uint64_t Velikost() const { return evidence_.Velikost(); }
    IPin* Vstup();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objekt) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IPersist, IMediaFilter, IBaseFilter
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME start) override;
    HRESULT STDMETHODCALLTYPE GetState(DWORD cekani, FILTER_STATE* stav) override;
    HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock* hodiny) override;
    HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock** hodiny) override;
    HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins** vycet) override;
    HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR id, IPin** pin) override;
    HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO* info) override;
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* graf, LPCWSTR jmeno) override;
    HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR* text) override;

    // What the pin does with the bytes (any thread; serialised).
    HRESULT Zapsat(std::uint64_t pozice, const BYTE* data, DWORD delka) noexcept;
    HRESULT Precist(std::uint64_t pozice, BYTE* data, DWORD delka, DWORD* precteno) noexcept;
    HRESULT VelikostSouboru(std::uint64_t& velikost) noexcept;
    HRESULT NastavitVelikostSouboru(std::uint64_t velikost) noexcept;

private:
    class Pin;
    ZapisovacSouboru(HANDLE soubor, std::wstring slozka, HWND cil, UINT zprava);
    ~ZapisovacSouboru();
    void Odmitnout(WPARAM duvod) noexcept;

    std::atomic<ULONG> reference_{1};
    std::mutex zamek_;
    HANDLE soubor_;
    std::wstring slozka_;
    HWND cil_;
    UINT zprava_;
    EvidenceZapisu evidence_;
    std::vector<ProudAvi> proudy_;
    FILTER_STATE stav_ = State_Stopped;
    IFilterGraph* graf_ = nullptr;  // not held: the graph holds the filter
    std::wstring jmeno_;
    IReferenceClock* hodiny_ = nullptr;
    Pin* pin_;
};

}  // namespace Holvent::DirectShow
