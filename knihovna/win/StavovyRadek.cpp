#include "knihovna/win/StavovyRadek.h"

#include "knihovna/win/ChybyWin.h"

namespace Knihovna::WinApi {

namespace {
// The status bar takes the part number in one byte of wParam and allows at most 256 parts.
constexpr int kMaxCasti = 256;
}  // namespace

StavovyRadek::~StavovyRadek() { UvolnitIkony(); }

void StavovyRadek::UvolnitIkony() {
    // The bar must not keep drawing icons that are gone.
    if (hwnd_ && ::IsWindow(hwnd_)) {
        for (size_t i = 0; i < ikony_.size(); ++i)
            if (ikony_[i].ikona) ::SendMessageW(hwnd_, SB_SETICON, i, 0);
    }
    ikony_.clear();
}

void StavovyRadek::Vytvorit(HWND rodic, UINT id) {
    UvolnitIkony();
    if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    HWND hwnd = ::CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                  rodic, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    VyhoditKdyzNeuspech(hwnd);
    hwnd_ = hwnd;
    ikony_.resize(1);
}

void StavovyRadek::OveritCast(int cast) const {
    if (!hwnd_) Vyhodit(kE_HANDLE, L"Stavový řádek nebyl vytvořen");
    if (cast < 0 || cast >= kMaxCasti) Vyhodit(kE_INVALIDARG, L"Neplatná část stavového řádku");
}

void StavovyRadek::NastavitCasti(const std::vector<int>& praveOkraje) {
    if (!hwnd_) Vyhodit(kE_HANDLE, L"Stavový řádek nebyl vytvořen");
    if (praveOkraje.empty() || praveOkraje.size() > kMaxCasti) Vyhodit(kE_INVALIDARG, L"Neplatný počet částí stavového řádku");
    // Parts that go away take their icons with them.
    for (size_t i = praveOkraje.size(); i < ikony_.size(); ++i)
        if (ikony_[i].ikona) ::SendMessageW(hwnd_, SB_SETICON, i, 0);
    ikony_.resize(praveOkraje.size());
    if (!::SendMessageW(hwnd_, SB_SETPARTS, praveOkraje.size(), reinterpret_cast<LPARAM>(praveOkraje.data())))
        Vyhodit(kE_FAIL, L"Nepodařilo se rozdělit stavový řádek");
}

void StavovyRadek::NastavitText(int cast, const std::wstring& text) {
    OveritCast(cast);
    ::SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(cast), reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring StavovyRadek::Text(int cast) const {
    OveritCast(cast);
    const LRESULT delka = ::SendMessageW(hwnd_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(cast), 0);
    std::wstring text(LOWORD(delka) + 1, L'\0');
    ::SendMessageW(hwnd_, SB_GETTEXTW, static_cast<WPARAM>(cast), reinterpret_cast<LPARAM>(text.data()));
    text.resize(::wcslen(text.c_str()));
    return text;
}

void StavovyRadek::NastavitIkonu(int cast, HIMAGELIST obrazky, int index) {
    OveritCast(cast);
    if (static_cast<size_t>(cast) >= ikony_.size()) ikony_.resize(cast + 1);
    IkonaCasti& c = ikony_[cast];
    if (index < 0) {
        ::SendMessageW(hwnd_, SB_SETICON, static_cast<WPARAM>(cast), 0);
        c.ikona.Nastavit();
        c.index = -1;
        return;
    }
    UnikatniIkona nova(ImageList_GetIcon(obrazky, index, ILD_NORMAL));
    if (!nova) Vyhodit(kE_INVALIDARG, L"Ikonu pro stavový řádek se nepodařilo získat ze seznamu obrázků");
    // The bar shows the new icon before the old one is freed, so it never draws a dead handle.
    ::SendMessageW(hwnd_, SB_SETICON, static_cast<WPARAM>(cast), reinterpret_cast<LPARAM>(nova.get()));
    c.ikona = std::move(nova);
    c.index = index;
}

int StavovyRadek::IndexIkony(int cast) const {
    if (cast < 0 || static_cast<size_t>(cast) >= ikony_.size()) return -1;
    return ikony_[cast].index;
}

int StavovyRadek::PocetIkon() const {
    int n = 0;
    for (const auto& c : ikony_)
        if (c.ikona) ++n;
    return n;
}

void StavovyRadek::Prizpusobit() {
    if (hwnd_) ::SendMessageW(hwnd_, WM_SIZE, 0, 0);
}

int StavovyRadek::Vyska() const {
    if (!Viditelny()) return 0;
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

void StavovyRadek::Zobrazit(bool zobrazit) {
    if (hwnd_) ::ShowWindow(hwnd_, zobrazit ? SW_SHOWNA : SW_HIDE);
}

bool StavovyRadek::Viditelny() const {
    return hwnd_ && (::GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace Knihovna::WinApi
