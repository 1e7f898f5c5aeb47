#include "ui/win/EditCislo.h"

#include <commctrl.h>

#include <cwctype>

#include "ui/ModelStranky.h"

namespace {
constexpr UINT_PTR kIdPodtridy = 0x45434953;  // 'ECIS'
}

EditCislo::~EditCislo() { Odpojit(); }

void EditCislo::Pripojit(HWND edit) {
    Odpojit();
    edit_ = edit;
    // Ten digits hold every 32-bit number; more cannot be in any range.
    ::SendMessageW(edit_, EM_SETLIMITTEXT, 10, 0);
    ::SetWindowSubclass(edit_, &EditCislo::Procedura, kIdPodtridy, reinterpret_cast<DWORD_PTR>(this));
}

void EditCislo::Odpojit() {
    if (edit_ && ::IsWindow(edit_)) ::RemoveWindowSubclass(edit_, &EditCislo::Procedura, kIdPodtridy);
    edit_ = nullptr;
}

void EditCislo::Nastavit(std::uint32_t cislo) { ::SetWindowTextW(edit_, std::to_wstring(cislo).c_str()); }

std::optional<std::int64_t> EditCislo::Cislo() const {
    wchar_t text[32] = {};
    ::GetWindowTextW(edit_, text, 32);
    const std::wstring t = text;
    if (t.empty() || t.size() > 10 || t.find_first_not_of(L"0123456789") != std::wstring::npos) return std::nullopt;
    return std::stoll(t);
}

std::optional<std::wstring> EditCislo::Overit() const {
    const auto c = Cislo();
    if (!c || *c < min_ || *c > max_) return ModelStranky::ZpravaRozsahu(min_, max_);
    return std::nullopt;
}

std::wstring EditCislo::JenCislice(const std::wstring& text) {
    std::wstring c;
    for (wchar_t z : text)
        if (z >= L'0' && z <= L'9') c += z;
    return c;
}

void EditCislo::Vlozit() {
    // Only the digits of the clipboard's text; a text without any is refused with a beep.
    std::wstring text;
    if (::OpenClipboard(edit_)) {
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* t = static_cast<const wchar_t*>(::GlobalLock(data))) {
                text = t;
                ::GlobalUnlock(data);
            }
        }
        ::CloseClipboard();
    }
    const std::wstring cislice = JenCislice(text);
    if (cislice.empty()) {
        ::MessageBeep(MB_OK);
        return;
    }
    ::SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(cislice.c_str()));
}

LRESULT CALLBACK EditCislo::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<EditCislo*>(data);
    switch (zprava) {
    case WM_CHAR:
        // Control characters (Backspace, Ctrl+C, Ctrl+V ...) pass; of the printable ones only digits.
        if (wp >= 0x20 && (wp < L'0' || wp > L'9')) {
            ::MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_PASTE:
        self->Vlozit();
        return 0;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(okno, &EditCislo::Procedura, id);
        self->edit_ = nullptr;
        break;
    }
    return ::DefSubclassProc(okno, zprava, wp, lp);
}
