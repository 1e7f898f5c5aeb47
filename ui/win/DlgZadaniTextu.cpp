#include "ui/win/DlgZadaniTextu.h"

#include <vector>

#include "knihovna/win/ChybyWin.h"

namespace {

// DLGTEMPLATE and its DLGITEMTEMPLATEs as WORDs, every item aligned to a DWORD.
class SablonaDialogu {
public:
    SablonaDialogu(DWORD styl, short cx, short cy, const std::wstring& titulek, const wchar_t* pismo, WORD velikost) {
        Dvojslovo(styl);
        Dvojslovo(0);  // extended style
        pocetPolozek_ = data_.size();
        data_.push_back(0);
        for (short s : {short(0), short(0), cx, cy}) data_.push_back(static_cast<WORD>(s));
        data_.push_back(0);  // no menu
        data_.push_back(0);  // the predefined dialog class
        Text(titulek);
        data_.push_back(velikost);
        Text(pismo);
    }
    void Polozka(DWORD styl, short x, short y, short cx, short cy, WORD id, WORD trida, const std::wstring& text) {
        if (data_.size() % 2) data_.push_back(0);
        Dvojslovo(styl | WS_CHILD | WS_VISIBLE);
        Dvojslovo(0);
        for (short s : {x, y, cx, cy}) data_.push_back(static_cast<WORD>(s));
        data_.push_back(id);
        data_.push_back(0xFFFF);
        data_.push_back(trida);
        Text(text);
        data_.push_back(0);  // no creation data
        ++data_[pocetPolozek_];
    }
    const DLGTEMPLATE* Sablona() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

private:
    void Dvojslovo(DWORD d) {
        data_.push_back(LOWORD(d));
        data_.push_back(HIWORD(d));
    }
    void Text(const std::wstring& t) {
        data_.insert(data_.end(), t.begin(), t.end());
        data_.push_back(0);
    }
    std::vector<WORD> data_;
    size_t pocetPolozek_ = 0;
};

constexpr WORD kTlacitko = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kPopisek = 0x0082;

}  // namespace

DlgZadaniTextu::DlgZadaniTextu(std::wstring titulek, std::wstring vyzva, std::wstring text, std::size_t maxDelka)
    : titulek_(std::move(titulek)), vyzva_(std::move(vyzva)), text_(std::move(text)), maxDelka_(maxDelka) {}

bool DlgZadaniTextu::Zobrazit(HWND vlastnik) {
    SablonaDialogu s(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 72, titulek_,
                     L"MS Shell Dlg", 8);
    s.Polozka(SS_LEFT, 7, 7, 226, 18, kIdVyzvy, kPopisek, vyzva_);
    s.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 28, 226, 14, kIdTextu, kEdit, L"");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 129, 51, 50, 14, IDOK, kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 183, 51, 50, 14, IDCANCEL, kTlacitko, L"Storno");
    const INT_PTR r = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), s.Sablona(), vlastnik, Procedura,
                                                reinterpret_cast<LPARAM>(this));
    if (r == -1) Knihovna::WinApi::VyhoditPosledniChybu(L"Dialog pro zadání textu nelze zobrazit.");
    return r == IDOK;
}

INT_PTR CALLBACK DlgZadaniTextu::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) ::SetWindowLongPtrW(okno, DWLP_USER, lp);
    auto* dlg = reinterpret_cast<DlgZadaniTextu*>(::GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    // A dialog procedure is a boundary: nothing may unwind into user32.
    try {
        return dlg->ZpracovatZpravu(okno, zprava, wp, lp);
    } catch (...) {
        ::MessageBeep(MB_ICONERROR);
        ::EndDialog(okno, IDCANCEL);
        return TRUE;
    }
}

INT_PTR DlgZadaniTextu::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
    switch (zprava) {
    case WM_INITDIALOG: {
        HWND edit = ::GetDlgItem(okno, kIdTextu);
        ::SendMessageW(edit, EM_SETLIMITTEXT, maxDelka_, 0);
        ::SetWindowTextW(edit, text_.c_str());
        ::SendMessageW(edit, EM_SETSEL, 0, -1);
        ::SetFocus(edit);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDOK: {
            HWND edit = ::GetDlgItem(okno, kIdTextu);
            std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
            text.resize(static_cast<size_t>(::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
            text_ = std::move(text);
            ::EndDialog(okno, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            ::EndDialog(okno, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
