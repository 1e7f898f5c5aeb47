#include "imagetools/SouboryEditoru.h"

#include "knihovna/Text.h"

namespace Holvent::Obrazky {

std::wstring PriponaCesty(std::wstring_view cesta) {
    const std::size_t lomitko = cesta.find_last_of(L"\\/:");
    const std::size_t tecka = cesta.rfind(L'.');
    if (tecka == std::wstring_view::npos || (lomitko != std::wstring_view::npos && tecka < lomitko)) return {};
    return std::wstring(cesta.substr(tecka));
}

bool PriponaVSeznamu(std::wstring_view pripona, std::wstring_view seznam) {
    if (pripona.size() < 2 || pripona[0] != L'.') return false;
    while (!seznam.empty()) {
        const std::size_t strednik = seznam.find(L';');
        std::wstring_view polozka = seznam.substr(0, strednik);
        seznam = strednik == std::wstring_view::npos ? std::wstring_view{} : seznam.substr(strednik + 1);
        if (polozka.starts_with(L'*')) polozka.remove_prefix(1);
        if (Knihovna::StejneBezVelikosti(polozka, pripona)) return true;
    }
    return false;
}

bool UlozeniNaMisto(std::wstring_view cil, std::wstring_view cestaObrazku) {
    return Knihovna::StejneBezVelikosti(cil, cestaObrazku);
}

std::wstring DocasnaCestaUlozeni(const std::wstring& cesta) { return cesta + L"_temp_" + PriponaCesty(cesta); }

}  // namespace Holvent::Obrazky
