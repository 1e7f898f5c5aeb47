#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

#include "knihovna/win/UnikatniHandle.h"

// A GDI object (font, bitmap) that one of the own controls made, freed with DeleteObject and counted
// while it lives: the leak check that GetGuiResources cannot give under every system.
template <class T>
class ObjektGdiPrvku {
public:
    ObjektGdiPrvku() noexcept = default;
    explicit ObjektGdiPrvku(T h) noexcept { Nastavit(h); }
    ~ObjektGdiPrvku() { Nastavit(); }
    ObjektGdiPrvku(ObjektGdiPrvku&& jiny) noexcept : h_(jiny.h_.Odevzdat()) {}
    ObjektGdiPrvku& operator=(ObjektGdiPrvku&& jiny) noexcept {
        if (this != &jiny) {
            Nastavit();
            h_.Nastavit(jiny.h_.Odevzdat());  // counted already
        }
        return *this;
    }
    ObjektGdiPrvku(const ObjektGdiPrvku&) = delete;
    ObjektGdiPrvku& operator=(const ObjektGdiPrvku&) = delete;

    T get() const noexcept { return h_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(h_); }
    // Frees what is held and takes h (nullptr only frees).
    void Nastavit(T h = nullptr) noexcept {
        // An object that DeleteObject refuses (one still selected into a DC) stays counted: it leaked.
        if (h_ && h_.Zavrit()) pocet_.fetch_sub(1, std::memory_order_relaxed);
        h_.Nastavit(h);
        if (h) pocet_.fetch_add(1, std::memory_order_relaxed);
    }

    // How many objects of this kind the controls made and did not free.
    static long Pocet() noexcept { return pocet_.load(std::memory_order_relaxed); }

private:
    Knihovna::WinApi::UnikatniHandle<Knihovna::WinApi::TraitsGdi<T>> h_;
    static inline std::atomic<long> pocet_{0};
};
