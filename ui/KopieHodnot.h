#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "camera/PopisPisma.h"
#include "ui/ModelStranky.h"

// What a settings dialog edits: a copy of the stored values by their key and name. The record behind it changes
// only when the derived copy commits (OK or apply); a refused value leaves the copy as it was.
class KopieHodnot {
public:
    using Hodnota = std::variant<bool, std::uint32_t, std::wstring, PopisPisma>;

    virtual ~KopieHodnot() = default;

    // The stored form of a value; the type the record holds.
    const Hodnota& Ulozena(const std::wstring& klic, const std::wstring& jmeno) const;
    // A check box, number or choice as its control shows it (seconds for a value kept in milliseconds).
    std::uint32_t Zobrazena(const ModelStranky::Hodnota& h) const;
    const std::wstring& Text(const ModelStranky::Hodnota& h) const;
    const PopisPisma& Pismo(const ModelStranky::Hodnota& h) const;

    // The control's new content: nothing when taken, else the message that refuses it (the copy unchanged).
    std::optional<std::wstring> Nastavit(const ModelStranky::Hodnota& h, std::int64_t zobrazena);
    std::optional<std::wstring> NastavitText(const ModelStranky::Hodnota& h, std::wstring text);
    void NastavitPismo(const ModelStranky::Hodnota& h, const PopisPisma& pismo);

    // Whether anything differs from what the copy was made of or last committed.
    bool Zmeneno() const { return hodnoty_ != puvodni_; }

protected:
    using Klic = std::pair<std::wstring, std::wstring>;
    // The derived copy fills the values it was made of, then marks them as the unchanged state.
    void Pridat(std::wstring klic, std::wstring jmeno, Hodnota h) { hodnoty_[{std::move(klic), std::move(jmeno)}] = std::move(h); }
    void OznacitNezmenene() { puvodni_ = hodnoty_; }
    const std::map<Klic, Hodnota>& Hodnoty() const { return hodnoty_; }

private:
    Hodnota& Najit(const ModelStranky::Hodnota& h);

    std::map<Klic, Hodnota> hodnoty_;
    std::map<Klic, Hodnota> puvodni_;
};
