#include "ui/KopieNastaveniAplikace.h"

#include "knihovna/Chyba.h"

namespace S = StrankyNastaveniAplikace;

KopieNastaveniAplikace::KopieNastaveniAplikace(const NastaveniAplikace& zdroj) {
    for (const NastaveniAplikace::Polozka& p : NastaveniAplikace::Polozky()) {
        Hodnota h = std::visit([&](auto pole) -> Hodnota { return zdroj.*pole; }, p.pole);
        hodnoty_.emplace(Klic{p.klic, p.jmeno}, std::move(h));
    }
    puvodni_ = hodnoty_;
}

const KopieNastaveniAplikace::Hodnota& KopieNastaveniAplikace::Ulozena(const std::wstring& klic,
                                                                       const std::wstring& jmeno) const {
    auto it = hodnoty_.find({klic, jmeno});
    if (it == hodnoty_.end()) throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, L"Neznámá hodnota nastavení " + jmeno);
    return it->second;
}

std::uint32_t KopieNastaveniAplikace::Zobrazena(const S::Hodnota& h) const {
    const Hodnota& v = Ulozena(h.klic, h.jmeno);
    if (const auto* b = std::get_if<bool>(&v)) return *b ? 1 : 0;
    if (const auto* n = std::get_if<std::uint32_t>(&v)) return S::Zobrazena(h, *n);
    throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není číslo: ") + h.jmeno);
}

std::optional<std::wstring> KopieNastaveniAplikace::Nastavit(const S::Hodnota& h, std::int64_t zobrazena) {
    if (auto zprava = S::Overit(h, zobrazena)) return zprava;
    auto it = hodnoty_.find({h.klic, h.jmeno});
    if (it == hodnoty_.end()) throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Neznámá hodnota ") + h.jmeno);
    if (std::holds_alternative<bool>(it->second)) it->second = zobrazena != 0;
    else if (std::holds_alternative<std::uint32_t>(it->second))
        it->second = S::Ulozena(h, static_cast<std::uint32_t>(zobrazena));
    else throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není číslo: ") + h.jmeno);
    return std::nullopt;
}

void KopieNastaveniAplikace::NastavitText(const S::Hodnota& h, std::wstring text) {
    auto it = hodnoty_.find({h.klic, h.jmeno});
    if (it == hodnoty_.end() || !std::holds_alternative<std::wstring>(it->second))
        throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota není text: ") + h.jmeno);
    it->second = std::move(text);
}

void KopieNastaveniAplikace::Potvrdit(NastaveniAplikace& cil) {
    for (const NastaveniAplikace::Polozka& p : NastaveniAplikace::Polozky()) {
        const Hodnota& h = hodnoty_.at({p.klic, p.jmeno});
        std::visit(
            [&](auto pole) {
                using Typ = std::remove_reference_t<decltype(cil.*pole)>;
                cil.*pole = std::get<Typ>(h);
            },
            p.pole);
    }
    puvodni_ = hodnoty_;
}
