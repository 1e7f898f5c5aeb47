#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace Knihovna::WinApi {

// The GDI objects, DCs and icons the wrappers below hold now: the leak figure of a long run, which
// GetGuiResources cannot give under every system. An object given away (Odevzdat) leaves the count; one whose
// free call fails stays in it (it leaked).
class ZiveObjektyGdi {
public:
    static long Pocet() noexcept { return pocet_.load(std::memory_order_relaxed); }
    static void Zmenit(long o) noexcept { pocet_.fetch_add(o, std::memory_order_relaxed); }

private:
    static inline std::atomic<long> pocet_{0};
};

// A move-only owner of one handle; Traits tells its empty value and how to free it.
template <class Traits>
class UnikatniHandle {
public:
    using Typ = typename Traits::Typ;

    UnikatniHandle() noexcept = default;
    explicit UnikatniHandle(Typ h) noexcept : h_(h) { Zapocitat(h_, 1); }
    ~UnikatniHandle() { Uvolnit(); }
    UnikatniHandle(UnikatniHandle&& jiny) noexcept : h_(std::exchange(jiny.h_, Traits::Prazdny())) {}
    UnikatniHandle& operator=(UnikatniHandle&& jiny) noexcept {
        if (this != &jiny) {
            Uvolnit();
            h_ = std::exchange(jiny.h_, Traits::Prazdny());
        }
        return *this;
    }
    UnikatniHandle(const UnikatniHandle&) = delete;
    UnikatniHandle& operator=(const UnikatniHandle&) = delete;

    Typ get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != Traits::Prazdny(); }
    // For out-parameters: frees what is held and gives the address of the empty slot.
    Typ* put() noexcept {
        // What a callee writes there would escape the count.
        static_assert(!kPocitany, "a counted handle is taken with Nastavit, not through put()");
        Uvolnit();
        return &h_;
    }
    Typ Odevzdat() noexcept {
        Zapocitat(h_, -1);
        return std::exchange(h_, Traits::Prazdny());
    }
    void Nastavit(Typ h = Traits::Prazdny()) noexcept {
        Uvolnit();
        h_ = h;
        Zapocitat(h_, 1);
    }
    // Frees now and tells whether the platform's free call succeeded (true for an empty handle).
    bool Zavrit() noexcept {
        if (h_ == Traits::Prazdny()) return true;
        const bool ok = Traits::Uvolnit(h_);
        if (ok) Zapocitat(h_, -1);
        h_ = Traits::Prazdny();
        return ok;
    }

private:
    static constexpr bool kPocitany = requires { Traits::kObjektGdi; };
    static void Zapocitat(Typ h, long o) noexcept {
        if constexpr (kPocitany) {
            if (h != Traits::Prazdny()) ZiveObjektyGdi::Zmenit(o);
        }
    }
    void Uvolnit() noexcept { Zavrit(); }
    Typ h_ = Traits::Prazdny();
};

struct TraitsHandle {
    using Typ = HANDLE;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::CloseHandle(h) != 0; }
};
struct TraitsSoubor {
    using Typ = HANDLE;
    static Typ Prazdny() { return INVALID_HANDLE_VALUE; }
    static bool Uvolnit(Typ h) { return ::CloseHandle(h) != 0; }
};
struct TraitsKlic {
    using Typ = HKEY;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::RegCloseKey(h) == ERROR_SUCCESS; }
};
struct TraitsOkno {
    using Typ = HWND;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::DestroyWindow(h) != 0; }
};
struct TraitsMenu {
    using Typ = HMENU;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::DestroyMenu(h) != 0; }
};
struct TraitsIkona {
    using Typ = HICON;
    static constexpr bool kObjektGdi = true;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::DestroyIcon(h) != 0; }
};
template <class T>
struct TraitsGdi {
    using Typ = T;
    static constexpr bool kObjektGdi = true;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::DeleteObject(h) != 0; }
};
struct TraitsDc {
    using Typ = HDC;
    static constexpr bool kObjektGdi = true;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::DeleteDC(h) != 0; }
};
struct TraitsModul {
    using Typ = HMODULE;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::FreeLibrary(h) != 0; }
};
struct TraitsUdalostLog {
    using Typ = HANDLE;
    static Typ Prazdny() { return nullptr; }
    static bool Uvolnit(Typ h) { return ::DeregisterEventSource(h) != 0; }
};

using UnikatniHandleJadra = UnikatniHandle<TraitsHandle>;
using UnikatniSoubor = UnikatniHandle<TraitsSoubor>;
using UnikatniKlic = UnikatniHandle<TraitsKlic>;
using UnikatniOkno = UnikatniHandle<TraitsOkno>;
using UnikatniMenu = UnikatniHandle<TraitsMenu>;
using UnikatniIkona = UnikatniHandle<TraitsIkona>;
using UnikatniFont = UnikatniHandle<TraitsGdi<HFONT>>;
using UnikatniStetec = UnikatniHandle<TraitsGdi<HBRUSH>>;
using UnikatniPero = UnikatniHandle<TraitsGdi<HPEN>>;
using UnikatniBitmapa = UnikatniHandle<TraitsGdi<HBITMAP>>;
using UnikatniOblast = UnikatniHandle<TraitsGdi<HRGN>>;
using UnikatniDc = UnikatniHandle<TraitsDc>;
using UnikatniModul = UnikatniHandle<TraitsModul>;
using UnikatniZdrojUdalosti = UnikatniHandle<TraitsUdalostLog>;

// BeginPaint/EndPaint for one WM_PAINT.
class KresleniOkna {
public:
    explicit KresleniOkna(HWND hwnd) : hwnd_(hwnd) { hdc_ = ::BeginPaint(hwnd_, &ps_); }
    ~KresleniOkna() { ::EndPaint(hwnd_, &ps_); }
    KresleniOkna(const KresleniOkna&) = delete;
    KresleniOkna& operator=(const KresleniOkna&) = delete;
    HDC Dc() const { return hdc_; }
    const PAINTSTRUCT& Ps() const { return ps_; }

private:
    HWND hwnd_;
    HDC hdc_;
    PAINTSTRUCT ps_{};
};

// GetDC/ReleaseDC: keeps both the window and its DC.
class DcOkna {
public:
    explicit DcOkna(HWND hwnd) : hwnd_(hwnd), hdc_(::GetDC(hwnd)) {}
    ~DcOkna() {
        if (hdc_) ::ReleaseDC(hwnd_, hdc_);
    }
    DcOkna(const DcOkna&) = delete;
    DcOkna& operator=(const DcOkna&) = delete;
    HDC Dc() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

// SelectObject for a scope.
class VybranyObjekt {
public:
    VybranyObjekt(HDC hdc, HGDIOBJ objekt) : hdc_(hdc), puvodni_(::SelectObject(hdc, objekt)) {}
    ~VybranyObjekt() {
        if (puvodni_ && puvodni_ != HGDI_ERROR) ::SelectObject(hdc_, puvodni_);
    }
    VybranyObjekt(const VybranyObjekt&) = delete;
    VybranyObjekt& operator=(const VybranyObjekt&) = delete;

private:
    HDC hdc_;
    HGDIOBJ puvodni_;
};

}  // namespace Knihovna::WinApi
