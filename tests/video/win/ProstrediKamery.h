#pragma once

// What the capture tests share: COM and GDI+ for the test, the virtual test camera registered
// (two devices of the same name and the variant without image controls), a visible owner window
// for the renderer, a window that notes the capture object's notifications, and waiting.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "knihovna/win/GdiPlus.h"
#include "knihovna/win/Zdroje.h"

namespace TestyVidea {

inline constexpr const wchar_t* kNazevKamery = L"Testovací kamera Tervik";
inline constexpr const wchar_t* kNazevKameryBezObrazu = L"Testovací kamera Tervik bez nastavení obrazu";
inline constexpr const wchar_t* kCestaKamery1 =
    L"\\\\?\\root#tervik#testovaci-kamera-1#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global";
inline constexpr const wchar_t* kCestaKameryBezObrazu =
    L"\\\\?\\root#tervik#testovaci-kamera-bez-obrazu#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global";

// Waits for a condition, polling and pumping this thread's messages (the renderer and the
// notifications live on it); false after the time-out.
inline bool Cekat(const std::function<bool()>& podminka, int milisekund = 20000) {
    const auto konec = std::chrono::steady_clock::now() + std::chrono::milliseconds(milisekund);
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (podminka()) return true;
        if (std::chrono::steady_clock::now() > konec) return false;
        ::Sleep(10);
    }
}

// The test camera DLL of this build (or the one TERVIK_KAMERA_DLL names).
inline std::wstring CestaDllKamery() {
    if (const wchar_t* z = _wgetenv(L"TERVIK_KAMERA_DLL"); z && *z) return z;
    std::wstring exe = Knihovna::WinApi::CestaModulu(nullptr);
    return exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"testkamera\\TervikTestovaciKamera.dll";
}

// The loaded test camera module: registration, and its live objects (DllCanUnloadNow).
class ModulKamery {
public:
    ModulKamery() : modul_(::LoadLibraryW(CestaDllKamery().c_str())) {}
    ~ModulKamery() {
        if (modul_) ::FreeLibrary(modul_);
    }
    ModulKamery(const ModulKamery&) = delete;
    ModulKamery& operator=(const ModulKamery&) = delete;

    bool Nacten() const { return modul_ != nullptr; }
    HRESULT Zaregistrovat() const {
        auto reg = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(::GetProcAddress(modul_, "DllRegisterServer"));
        return reg ? reg() : E_NOINTERFACE;
    }
    HRESULT Instalovat(bool instalovat, const wchar_t* prikaz) const {
        auto ins = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(BOOL, LPCWSTR)>(::GetProcAddress(modul_, "DllInstall"));
        return ins ? ins(instalovat ? TRUE : FALSE, prikaz) : E_NOINTERFACE;
    }
    // S_OK when none of the camera's COM objects is alive.
    HRESULT MuzeSeUvolnit() const {
        auto f = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(::GetProcAddress(modul_, "DllCanUnloadNow"));
        return f ? f() : E_NOINTERFACE;
    }

private:
    HMODULE modul_;
};

// A window that keeps every message it gets in the WM_APP range, with its parameters.
class ZaznamZprav {
public:
    struct Zprava {
        UINT cislo;
        WPARAM wp;
        LPARAM lp;
    };

    ZaznamZprav() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Procedura;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TervikTestZaznamZprav";
        ::RegisterClassW(&wc);
        hwnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ZaznamZprav() { ::DestroyWindow(hwnd_); }
    ZaznamZprav(const ZaznamZprav&) = delete;
    ZaznamZprav& operator=(const ZaznamZprav&) = delete;

    HWND Hwnd() const { return hwnd_; }
    std::vector<Zprava> zpravy;
    // Runs for each message; its result is the message's result.
    std::function<LRESULT(UINT, WPARAM, LPARAM)> obsluha;

private:
    static LRESULT CALLBACK Procedura(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp) {
        auto* ja = reinterpret_cast<ZaznamZprav*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (ja && zprava >= WM_APP && zprava < 0xC000) {
            ja->zpravy.push_back({zprava, wp, lp});
            return ja->obsluha ? ja->obsluha(zprava, wp, lp) : 0;
        }
        return ::DefWindowProcW(hwnd, zprava, wp, lp);
    }
    HWND hwnd_ = nullptr;
};

// COM (single-threaded, as the camera window's thread), GDI+, the registered test camera.
class TestSKamerou : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        modul_ = new ModulKamery;
        ASSERT_TRUE(modul_->Nacten()) << "testovací kamera nenalezena";
        ASSERT_EQ(modul_->Zaregistrovat(), S_OK);
        ASSERT_EQ(modul_->Instalovat(true, L"2,bezobrazu"), S_OK);
    }
    static void TearDownTestSuite() {
        if (modul_ && modul_->Nacten()) {
            // The state the camera's own test fixture leaves behind: one device, no variant.
            modul_->Instalovat(true, L"1");
            modul_->Instalovat(false, L"bezobrazu");
        }
        delete modul_;
        modul_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(com_.Vysledek()));
        Gdiplus::GdiplusStartupInput vstup;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&gdiplus_, &vstup, nullptr), Gdiplus::Ok);
        vlastnik_ = ::CreateWindowExW(0, L"STATIC", L"Test videa", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                      20, 20, 700, 560, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(vlastnik_, nullptr);
    }
    void TearDown() override {
        if (vlastnik_) ::DestroyWindow(vlastnik_);
        if (gdiplus_) Gdiplus::GdiplusShutdown(gdiplus_);
    }

    static inline ModulKamery* modul_ = nullptr;
    Knihovna::WinApi::ApartmanCom com_;
    ULONG_PTR gdiplus_ = 0;
    HWND vlastnik_ = nullptr;
};

// The average brightness of a bitmap (0..255), for pictures that should differ.
inline double PrumernyJas(Gdiplus::Bitmap& b) {
    const int w = static_cast<int>(b.GetWidth()), h = static_cast<int>(b.GetHeight());
    double soucet = 0;
    int n = 0;
    for (int y = 0; y < h; y += 7)
        for (int x = 0; x < w; x += 7) {
            Gdiplus::Color c;
            b.GetPixel(x, y, &c);
            soucet += (c.GetR() + c.GetG() + c.GetB()) / 3.0;
            ++n;
        }
    return n ? soucet / n : 0;
}

// The build's temporary folder for files the tests write.
inline std::wstring DocasnaSlozka() {
    std::wstring exe = Knihovna::WinApi::CestaModulu(nullptr);
    std::wstring slozka = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"tmp-video";
    ::CreateDirectoryW(slozka.c_str(), nullptr);
    // One folder per test: tests run side by side in lanes and their files must not meet.
    if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
        std::string jmeno = std::string(test->test_suite_name()) + "." + test->name();
        for (char& z : jmeno)
            if (z == '/') z = '_';
        slozka += L"\\" + std::wstring(jmeno.begin(), jmeno.end());
        ::CreateDirectoryW(slozka.c_str(), nullptr);
    }
    return slozka;
}

}  // namespace TestyVidea
