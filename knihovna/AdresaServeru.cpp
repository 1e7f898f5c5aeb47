#include "knihovna/AdresaServeru.h"

namespace Knihovna {

namespace {

std::optional<std::uint16_t> Port(const std::wstring& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    std::uint32_t n = 0;
    for (wchar_t z : text) {
        if (z < L'0' || z > L'9') return std::nullopt;
        n = n * 10 + static_cast<std::uint32_t>(z - L'0');
    }
    if (n < 1 || n > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(n);
}

std::optional<AdresaServeru> Chybne(std::wstring* chyba) {
    if (chyba) *chyba = kTextChybnyPortServeru;
    return std::nullopt;
}

}  // namespace

std::optional<AdresaServeru> RozlozitServer(const std::wstring& text, std::wstring* chyba) {
    // Spaces around the name are a typing slip, not part of it.
    const auto zacatek = text.find_first_not_of(L" \t");
    if (zacatek == std::wstring::npos) return AdresaServeru{};
    const std::wstring t = text.substr(zacatek, text.find_last_not_of(L" \t") - zacatek + 1);

    if (t.front() == L'[') {
        const auto konec = t.find(L']');
        if (konec == std::wstring::npos) return AdresaServeru{t, std::nullopt};
        AdresaServeru a{t.substr(1, konec - 1), std::nullopt};
        if (konec + 1 == t.size()) return a;
        if (t[konec + 1] != L':') return Chybne(chyba);
        a.port = Port(t.substr(konec + 2));
        if (!a.port) return Chybne(chyba);
        return a;
    }
    const auto dvojtecka = t.find(L':');
    if (dvojtecka == std::wstring::npos) return AdresaServeru{t, std::nullopt};
    // More than one colon without brackets is an IPv6 address without a port.
    if (t.find(L':', dvojtecka + 1) != std::wstring::npos) return AdresaServeru{t, std::nullopt};
    AdresaServeru a{t.substr(0, dvojtecka), Port(t.substr(dvojtecka + 1))};
    if (!a.port || a.hostitel.empty()) return Chybne(chyba);
    return a;
}

}  // namespace Knihovna
