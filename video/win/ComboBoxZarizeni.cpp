#include "video/win/ComboBoxZarizeni.h"

void ComboBoxZarizeni::Naplnit(const InfoZarizeni& vybrane) {
    ::SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < zarizeni_.size(); ++i) {
        const LRESULT polozka =
            ::SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(zarizeni_[i].friendlyName.c_str()));
        if (polozka >= 0) ::SendMessageW(combo_, CB_SETITEMDATA, static_cast<WPARAM>(polozka), static_cast<LPARAM>(i));
    }
    // A sorted box would reorder the items: the selection goes by the item whose data is the index.
    const std::optional<int> index = IndexVyberuZarizeni(zarizeni_, vybrane, druh_);
    if (!index) return;
    const LRESULT pocet = ::SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < pocet; ++i)
        if (::SendMessageW(combo_, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == *index) {
            ::SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
}

std::optional<InfoZarizeni> ComboBoxZarizeni::Precist() const {
    const LRESULT vyber = ::SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    if (vyber == CB_ERR) return std::nullopt;
    const LRESULT data = ::SendMessageW(combo_, CB_GETITEMDATA, static_cast<WPARAM>(vyber), 0);
    if (data == CB_ERR) return std::nullopt;
    return ZarizeniZVyberu(zarizeni_, static_cast<long long>(data));
}
