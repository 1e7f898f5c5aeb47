#include "email/win/SablonaDialogu.h"

namespace Holvent::Email {

SablonaDialogu::SablonaDialogu(short cx, short cy, const std::wstring& titulek, DWORD styl) {
    Dvojslovo(styl | DS_SETFONT);
    Dvojslovo(0);
    pocetPolozek_ = data_.size();
    data_.push_back(0);
    for (short s : {short(0), short(0), cx, cy}) data_.push_back(static_cast<WORD>(s));
    data_.push_back(0);  // no menu
    data_.push_back(0);  // the predefined dialog class
    Text(titulek);
    data_.push_back(8);
    Text(L"MS Shell Dlg");
}

void SablonaDialogu::Zacatek(DWORD styl, short x, short y, short cx, short cy, WORD id) {
    // Every item starts on a DWORD boundary.
    if (data_.size() % 2) data_.push_back(0);
    Dvojslovo(styl | WS_CHILD | WS_VISIBLE);
    Dvojslovo(0);
    for (short s : {x, y, cx, cy}) data_.push_back(static_cast<WORD>(s));
    data_.push_back(id);
}

void SablonaDialogu::Polozka(DWORD styl, short x, short y, short cx, short cy, WORD id, WORD trida,
                             const std::wstring& text) {
    Zacatek(styl, x, y, cx, cy, id);
    data_.push_back(0xFFFF);
    data_.push_back(trida);
    Text(text);
    data_.push_back(0);
    ++data_[pocetPolozek_];
}

void SablonaDialogu::Polozka(DWORD styl, short x, short y, short cx, short cy, WORD id, const std::wstring& trida,
                             const std::wstring& text) {
    Zacatek(styl, x, y, cx, cy, id);
    Text(trida);
    Text(text);
    data_.push_back(0);
    ++data_[pocetPolozek_];
}

void SablonaDialogu::Dvojslovo(DWORD d) {
    data_.push_back(LOWORD(d));
    data_.push_back(HIWORD(d));
}

void SablonaDialogu::Text(const std::wstring& t) {
    data_.insert(data_.end(), t.begin(), t.end());
    data_.push_back(0);
}

std::wstring TextPrvku(HWND dialog, int id) {
    HWND prvek = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(prvek)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(prvek, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace Holvent::Email
