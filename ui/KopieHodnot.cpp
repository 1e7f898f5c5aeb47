#include "ui/KopieHodnot.h"

#include "knihovna/Chyba.h"

namespace M = ModelStranky;

const KopieHodnot::Hodnota& KopieHodnot::Ulozena(const std::wstring& klic, const std::wstring& jmeno) const {
    auto it = hodnoty_.find({klic, jmeno});
    if (it == hodnoty_.end()) throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, L"Neznámá hodnota nastavení " + jmeno);
    return it->second;
}

KopieHodnot::Hodnota& KopieHodnot::Najit(const M::Hodnota& h) {
    auto it = hodnoty_.find({h.klic, h.jmeno});
    if (it == hodnoty_.end())
        throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Neznámá hodnota nastavení ") + h.jmeno);
    return it->second;
}

std::uint32_t KopieHodnot::Zobrazena(const M::Hodnota& h) const {
    const Hodnota& v = Ulozena(h.klic, h.jmeno);
    if (const auto* b = std::get_if<bool>(&v)) return *b ? 1 : 0;
    if (const auto* n = std::get_if<std::uint32_t>(&v)) return h.bit ? (*n & h.bit ? 1 : 0) : M::Zobrazena(h, *n);
    throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není číslo: ") + h.jmeno);
}

const std::wstring& KopieHodnot::Text(const M::Hodnota& h) const {
    const auto* t = std::get_if<std::wstring>(&Ulozena(h.klic, h.jmeno));
    if (!t) throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není text: ") + h.jmeno);
    return *t;
}

const PopisPisma& KopieHodnot::Pismo(const M::Hodnota& h) const {
    const auto* p = std::get_if<PopisPisma>(&Ulozena(h.klic, h.jmeno));
    if (!p) throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není písmo: ") + h.jmeno);
    return *p;
}

std::optional<std::wstring> KopieHodnot::Nastavit(const M::Hodnota& h, std::int64_t zobrazena) {
    if (auto zprava = M::Overit(h, zobrazena)) return zprava;
    Hodnota& v = Najit(h);
    if (std::holds_alternative<bool>(v)) v = zobrazena != 0;
    else if (auto* n = std::get_if<std::uint32_t>(&v); n && h.bit) *n = zobrazena ? (*n | h.bit) : (*n & ~h.bit);
    else if (n) *n = M::Ulozena(h, static_cast<std::uint32_t>(zobrazena));
    else throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není číslo: ") + h.jmeno);
    return std::nullopt;
}

std::optional<std::wstring> KopieHodnot::NastavitText(const M::Hodnota& h, std::wstring text) {
    if (auto zprava = M::OveritText(h, text)) return zprava;
    Hodnota& v = Najit(h);
    if (!std::holds_alternative<std::wstring>(v))
        throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není text: ") + h.jmeno);
    v = std::move(text);
    return std::nullopt;
}

void KopieHodnot::NastavitPismo(const M::Hodnota& h, const PopisPisma& pismo) {
    Hodnota& v = Najit(h);
    if (!std::holds_alternative<PopisPisma>(v))
        throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není písmo: ") + h.jmeno);
    v = pismo;
}
