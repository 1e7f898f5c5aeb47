#include "knihovna/win/Okno.h"

#include "knihovna/Obdelnik.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/win/ChybyWin.h"

namespace Knihovna::WinApi {

namespace {
constexpr const wchar_t* kKlicUmisteni = L"Parametry oken";
constexpr const wchar_t* kVlastnostOkna = L"Knihovna.Okno";
}  // namespace

Okno::~Okno() {
    if (hwnd_ && ::IsWindow(hwnd_)) {
        // The object dies before its window: unhook it so no message reaches freed memory.
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::RemovePropW(hwnd_, kVlastnostOkna);
        ::DestroyWindow(hwnd_);
    }
}

void Okno::PripravitTridu(WNDCLASSEXW&) {}

HWND Okno::Vytvorit(const std::wstring& trida, const std::wstring& titulek, DWORD styl, DWORD rozsirenyStyl, int x,
                    int y, int sirka, int vyska, HWND rodic, HMENU menu) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!::GetClassInfoExW(instance, trida.c_str(), &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = &Okno::Procedura;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = trida.c_str();
        PripravitTridu(wc);
        if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) VyhoditPosledniChybu();
    }
    HWND h = ::CreateWindowExW(rozsirenyStyl, trida.c_str(), titulek.c_str(), styl, x, y, sirka, vyska, rodic, menu,
                               instance, this);
    if (!h) VyhoditPosledniChybu();
    return h;
}

void Okno::Znicit() {
    if (hwnd_ && !::DestroyWindow(hwnd_)) VyhoditPosledniChybu();
}

Okno* Okno::ZHandle(HWND hwnd) {
    if (!hwnd || !::GetPropW(hwnd, kVlastnostOkna)) return nullptr;
    return reinterpret_cast<Okno*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Okno::Procedura(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp) {
    Okno* okno = nullptr;
    if (zprava == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        okno = static_cast<Okno*>(cs->lpCreateParams);
        if (okno) {
            okno->hwnd_ = hwnd;
            okno->zniceno_ = false;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(okno));
            ::SetPropW(hwnd, kVlastnostOkna, reinterpret_cast<HANDLE>(1));
        }
    } else {
        okno = reinterpret_cast<Okno*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY have no object.
    if (!okno) return ::DefWindowProcW(hwnd, zprava, wp, lp);

    ++okno->hloubka_;
    LRESULT vysledek = 0;
    try {
        vysledek = okno->ZpracovatZpravu(zprava, wp, lp);
    } catch (const Chyba& chyba) {
        okno->NeosetrenaChyba(chyba);
    } catch (...) {
        okno->NeosetrenaChyba(Chyba(HresultAktualniVyjimky()));
    }
    if (zprava == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        ::RemovePropW(hwnd, kVlastnostOkna);
        okno->zniceno_ = true;
    }
    if (--okno->hloubka_ == 0 && okno->zniceno_) {
        okno->hwnd_ = nullptr;
        okno->zniceno_ = false;
        okno->PoPosledniZprave();
    }
    return vysledek;
}

LRESULT Okno::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) { return ::DefWindowProcW(hwnd_, zprava, wp, lp); }

void Okno::NeosetrenaChyba(const Chyba& chyba) {
    ::OutputDebugStringW(PopisChyby(chyba).c_str());
    ::MessageBeep(MB_ICONEXCLAMATION);
}

std::wstring Okno::JmenoUmisteni() const {
    wchar_t buf[256] = {};
    const int n = hwnd_ ? ::GetClassNameW(hwnd_, buf, 256) : 0;
    return std::wstring(buf, n > 0 ? n : 0);
}

namespace {

Obdelnik ZRect(const RECT& r) { return Obdelnik{r.left, r.top, r.right, r.bottom}; }

RECT PracovniPlocha(HWND hwnd) {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    HMONITOR m = ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    if (m && ::GetMonitorInfoW(m, &mi)) return mi.rcWork;
    RECT r{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

}  // namespace

bool Okno::NacistUmisteni(Registr& registr, const std::wstring& koren, bool jenPoloha) {
    RegistrKlic klic(registr, koren + L"\\" + kKlicUmisteni);
    klic.OtevritCteni(JmenoUmisteni(), true);
    std::uint32_t poloha = 0, velikost = 0;
    const bool ma = klic.CistCislo(L"Poloha", poloha) == 0 && klic.CistCislo(L"Velikost", velikost) == 0;
    klic.Zavrit();
    if (!ma || !hwnd_ || !::IsWindow(hwnd_)) return false;
    const int x = DolniPolovinaSeZnamenkem(poloha), y = HorniPolovinaSeZnamenkem(poloha);
    const UINT priznaky = SWP_NOZORDER | SWP_NOACTIVATE | (jenPoloha ? SWP_NOSIZE : 0);
    ::SetWindowPos(hwnd_, nullptr, x, y, DolniPolovina(velikost), HorniPolovina(velikost), priznaky);
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    const Obdelnik cil = PritahnoutDoOblasti(ZRect(r), ZRect(PracovniPlocha(hwnd_)));
    if (!(cil == ZRect(r)))
        ::SetWindowPos(hwnd_, nullptr, cil.left, cil.top, cil.Sirka(), cil.Vyska(), SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void Okno::UlozitUmisteni(Registr& registr, const std::wstring& koren) {
    if (!hwnd_ || !::IsWindowVisible(hwnd_) || ::IsIconic(hwnd_)) return;
    RECT r{};
    if (!::GetWindowRect(hwnd_, &r)) return;
    if (r.left < 0 && r.top < 0) return;
    RegistrKlic klic(registr, koren + L"\\" + kKlicUmisteni);
    klic.OtevritZapis(JmenoUmisteni());
    klic.ZapsatCislo(L"Poloha", SlozitDvojici(r.left, r.top));
    klic.ZapsatCislo(L"Velikost", SlozitDvojici(r.right - r.left, r.bottom - r.top));
    klic.Zavrit();
}

Obdelnik Okno::NormalniObdelnik() const {
    WINDOWPLACEMENT umisteni{};
    umisteni.length = sizeof umisteni;
    if (!hwnd_ || !::GetWindowPlacement(hwnd_, &umisteni)) return {};
    const Obdelnik r = ZRect(umisteni.rcNormalPosition);
    // A tool window's placement is in screen coordinates already; every other one in workspace coordinates.
    if (::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return r;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    HMONITOR m = ::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST);
    if (!m || !::GetMonitorInfoW(m, &mi)) return r;
    return ZPracovniPlochyNaObrazovku(r, ZRect(mi.rcMonitor), ZRect(mi.rcWork));
}

void Okno::Vycentrovat() {
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    RECT oblast = PracovniPlocha(hwnd_);
    HWND vlastnik = ::GetWindow(hwnd_, GW_OWNER);
    if (vlastnik && ::IsWindowVisible(vlastnik) && !::IsIconic(vlastnik)) ::GetWindowRect(vlastnik, &oblast);
    const int sirka = r.right - r.left, vyska = r.bottom - r.top;
    Obdelnik cil{oblast.left + (oblast.right - oblast.left - sirka) / 2, oblast.top + (oblast.bottom - oblast.top - vyska) / 2,
                 0, 0};
    cil.right = cil.left + sirka;
    cil.bottom = cil.top + vyska;
    cil = PritahnoutDoOblasti(cil, ZRect(PracovniPlocha(hwnd_)));
    ::SetWindowPos(hwnd_, nullptr, cil.left, cil.top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND NajitVlastneneOkno(HWND vlastnik, const std::function<bool(HWND)>& podminka) {
    struct Hledani {
        HWND vlastnik;
        const std::function<bool(HWND)>* podminka;
        HWND nalezeno;
    } h{vlastnik, &podminka, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND w, LPARAM lp) -> BOOL {
            auto* h = reinterpret_cast<Hledani*>(lp);
            if (::GetWindow(w, GW_OWNER) != h->vlastnik || !(*h->podminka)(w)) return TRUE;
            h->nalezeno = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&h));
    return h.nalezeno;
}

}  // namespace Knihovna::WinApi
