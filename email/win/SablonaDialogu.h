#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace Holvent::Email {

// A dialog template built in memory (DLGTEMPLATE and its items), so that the e-mail
// dialogs need no resource script.
class SablonaDialogu {
public:
    static constexpr DWORD kModalni = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    // A child dialog that fills another window (its controls take part in the parent's Tab order).
    static constexpr DWORD kVnoreny = DS_CONTROL | WS_CHILD | WS_VISIBLE;

    SablonaDialogu(short cx, short cy, const std::wstring& titulek, DWORD styl = kModalni);
    // trida: an atom of a predefined class (0x0080 button, 0x0081 edit, 0x0082 static, 0x0083 list box).
    void Polozka(DWORD styl, short x, short y, short cx, short cy, WORD id, WORD trida, const std::wstring& text = {});
    // A control of a registered class by its name ("msctls_trackbar32").
    void Polozka(DWORD styl, short x, short y, short cx, short cy, WORD id, const std::wstring& trida,
                 const std::wstring& text = {});
    const DLGTEMPLATE* Sablona() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

    static constexpr WORD kTlacitko = 0x0080;
    static constexpr WORD kEdit = 0x0081;
    static constexpr WORD kPopisek = 0x0082;
    static constexpr WORD kSeznam = 0x0083;

private:
    void Zacatek(DWORD styl, short x, short y, short cx, short cy, WORD id);
    void Dvojslovo(DWORD d);
    void Text(const std::wstring& t);

    std::vector<WORD> data_;
    std::size_t pocetPolozek_ = 0;
};

// Text of a dialog control.
std::wstring TextPrvku(HWND dialog, int id);

}  // namespace Holvent::Email
