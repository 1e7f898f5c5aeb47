#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "email/win/SablonaDialogu.h"
#include "ui/win/OznameniPrvku.h"

// A modeless dialog on the test's thread that hosts the controls under test and records every
// kZmenaHodnoty it receives (the control's id and window).
class DialogPrvku {
public:
    explicit DialogPrvku(const Holvent::Email::SablonaDialogu& sablona) {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&icc);
        hwnd_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), sablona.Sablona(), nullptr, &Procedura,
                                             reinterpret_cast<LPARAM>(this));
        if (hwnd_) ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    }
    ~DialogPrvku() { Znicit(); }
    DialogPrvku(const DialogPrvku&) = delete;
    DialogPrvku& operator=(const DialogPrvku&) = delete;

    HWND Hwnd() const { return hwnd_; }
    HWND Prvek(int id) const { return ::GetDlgItem(hwnd_, id); }
    void Znicit() {
        if (hwnd_) ::DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    // Handles what is queued (posted messages, paints).
    static void Zpracovat() {
        MSG m;
        while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&m);
            ::DispatchMessageW(&m);
        }
    }

    std::vector<std::pair<int, HWND>> zmeny;  // kZmenaHodnoty: (id, control)
    int prikazu = 0;                          // every WM_COMMAND

private:
    static INT_PTR CALLBACK Procedura(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp) {
        if (zprava == WM_INITDIALOG) {
            ::SetWindowLongPtrW(hwnd, DWLP_USER, lp);
            return TRUE;
        }
        auto* dlg = reinterpret_cast<DialogPrvku*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
        if (dlg && zprava == WM_COMMAND) {
            ++dlg->prikazu;
            if (HIWORD(wp) == kZmenaHodnoty) dlg->zmeny.push_back({LOWORD(wp), reinterpret_cast<HWND>(lp)});
            return TRUE;
        }
        return FALSE;
    }

    HWND hwnd_ = nullptr;
};
