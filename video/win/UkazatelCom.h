#pragma once

#include <windows.h>
#include <unknwn.h>

#include <cstddef>
#include <utility>

#include "video/win/ZiveObjekty.h"

namespace Holvent::DirectShow {

// An owning COM interface pointer that counts itself among the live objects while it holds one.
template <class T>
class UkazatelCom {
public:
    UkazatelCom() noexcept = default;
    UkazatelCom(std::nullptr_t) noexcept {}
    // Shares the interface (AddRef).
    explicit UkazatelCom(T* p) noexcept { Prirad(p, true); }
    UkazatelCom(const UkazatelCom& jiny) noexcept { Prirad(jiny.p_, true); }
    UkazatelCom(UkazatelCom&& jiny) noexcept : p_(std::exchange(jiny.p_, nullptr)) {}
    ~UkazatelCom() { Uvolnit(); }
    UkazatelCom& operator=(const UkazatelCom& jiny) noexcept {
        if (this != &jiny) {
            T* p = jiny.p_;
            if (p) p->AddRef();
            Uvolnit();
            Prirad(p, false);
        }
        return *this;
    }
    UkazatelCom& operator=(UkazatelCom&& jiny) noexcept {
        if (this != &jiny) {
            Uvolnit();
            p_ = std::exchange(jiny.p_, nullptr);
        }
        return *this;
    }

    // Takes over a reference the caller owns (no AddRef).
    static UkazatelCom Prevzit(T* p) noexcept {
        UkazatelCom u;
        u.Prirad(p, false);
        return u;
    }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // The slot of an out-parameter: releases what is held; a pointer written there is counted
    // when the full expression ends.
    class Vystup {
    public:
        explicit Vystup(UkazatelCom& u) noexcept : u_(u) {}
        ~Vystup() {
            if (u_.p_) ZiveObjekty::Pridat(ZiveObjekty::Druh::RozhraniCom);
        }
        Vystup(const Vystup&) = delete;
        Vystup& operator=(const Vystup&) = delete;
        operator T**() noexcept { return &u_.p_; }
        operator void**() noexcept { return reinterpret_cast<void**>(&u_.p_); }

    private:
        UkazatelCom& u_;
    };
    Vystup put() noexcept {
        Uvolnit();
        return Vystup(*this);
    }

    void Uvolnit() noexcept {
        if (p_) {
            T* p = std::exchange(p_, nullptr);
            ZiveObjekty::Odebrat(ZiveObjekty::Druh::RozhraniCom);
            p->Release();
        }
    }

    // QueryInterface into another holder.
    template <class U>
    HRESULT Dotaz(REFIID iid, UkazatelCom<U>& cil) const noexcept {
        if (!p_) {
            cil.Uvolnit();
            return E_POINTER;
        }
        return p_->QueryInterface(iid, cil.put());
    }

private:
    void Prirad(T* p, bool pridatReferenci) noexcept {
        p_ = p;
        if (p_) {
            if (pridatReferenci) p_->AddRef();
            ZiveObjekty::Pridat(ZiveObjekty::Druh::RozhraniCom);
        }
    }

    T* p_ = nullptr;
};

}  // namespace Holvent::DirectShow
