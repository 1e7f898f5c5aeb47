#pragma once

#include <windows.h>

#include <memory>
#include <mutex>

#include "knihovna/win/VyzvednutiZpravy.h"

namespace Holvent::Ftp {

// Where a worker posts its result to a dialog. The dialog closes it before its window goes, so a late
// result is freed by the worker and never reaches a closed dialog (nor a new window with the same handle).
class PostaOkna {
public:
    explicit PostaOkna(HWND okno) : okno_(okno) {}

    // Posts zprava with the result in lParam; the window owns it once the post succeeded.
    template <class T>
    void Poslat(UINT zprava, WPARAM wp, std::unique_ptr<T> vysledek) {
        std::lock_guard z(zamek_);
        if (okno_ && ::PostMessageW(okno_, zprava, wp, reinterpret_cast<LPARAM>(vysledek.get()))) vysledek.release();
    }
    void Zavrit() {
        std::lock_guard z(zamek_);
        okno_ = nullptr;
    }

    // Frees the results of zprava that were posted but not yet taken (the window is closing).
    template <class T>
    static void ZahoditNevyzvednute(HWND okno, UINT zprava) {
        MSG m;
        while (Knihovna::WinApi::VyzvednoutZpravu(m, okno, zprava)) delete reinterpret_cast<T*>(m.lParam);
    }

private:
    std::mutex zamek_;
    HWND okno_;
};

}  // namespace Holvent::Ftp
