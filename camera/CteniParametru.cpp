#include "camera/CteniParametru.h"

using namespace Knihovna;

CteniParametru::CteniParametru(Registr& registr, const std::wstring& koren, std::vector<Chyba>& chyby,
                               std::vector<std::wstring>* upozorneni, Overeni overeni)
    : klic_(registr, koren), chyby_(chyby), upozorneni_(upozorneni), overeni_(std::move(overeni)) {}

void CteniParametru::Klic(const wchar_t* podklic) {
    podklic_ = podklic ? podklic : L"";
    try {
        otevreno_ = podklic ? klic_.ZkusitOtevritCteni(podklic) : klic_.ZkusitOtevritCteni();
    } catch (const Chyba& c) {
        chyby_.push_back(c);
        otevreno_ = false;
    }
}

template <class Cteni>
void CteniParametru::Cist(Cteni cteni) {
    if (!otevreno_) return;
    try {
        cteni();
    } catch (const Chyba& c) {
        chyby_.push_back(c);
    }
}

void CteniParametru::Hodnota(const wchar_t* jmeno, bool& hodnota) {
    Cist([&] { klic_.CistPriznak(jmeno, hodnota); });
}
void CteniParametru::Hodnota(const wchar_t* jmeno, std::uint32_t& hodnota) {
    Cist([&] {
        std::uint32_t ulozena = hodnota;
        if (klic_.CistCislo(jmeno, ulozena) != 0) return;
        // The default itself always stands, also where it lies outside what the dialog offers ("pocetMistCisla" 0).
        if (ulozena == hodnota || !overeni_ || overeni_(podklic_, jmeno, ulozena)) {
            hodnota = ulozena;
            return;
        }
        if (upozorneni_) upozorneni_->push_back(TextMimoRozsah(klic_.CestaOtevreneho(), jmeno, ulozena, hodnota));
    });
}
void CteniParametru::Hodnota(const wchar_t* jmeno, std::int32_t& hodnota) {
    Cist([&] { klic_.CistCislo(jmeno, hodnota); });
}
void CteniParametru::Hodnota(const wchar_t* jmeno, std::wstring& hodnota) {
    Cist([&] { klic_.CistText(jmeno, hodnota); });
}
void CteniParametru::Hodnota(const wchar_t* jmeno, PopisPisma& hodnota) {
    Cist([&] {
        std::array<std::uint8_t, PopisPisma::kVelikost> b{};
        if (klic_.CistBinarni(jmeno, b.data(), PopisPisma::kVelikost) == 0) hodnota = PopisPisma::ZBajtu(b);
    });
}

void CteniParametru::Hodnota(const wchar_t* jmeno, MaskaPohybu& hodnota) {
    Cist([&] {
        std::array<std::uint8_t, MaskaPohybu::kBajtu> b{};
        try {
            if (klic_.CistBinarni(jmeno, b.data(), MaskaPohybu::kBajtu) == 0) hodnota = *MaskaPohybu::ZBajtu(b);
        } catch (const Chyba& c) {
            if (c.Hr() != HresultZWin32(kChybaNesouhlasTypu)) throw;
            hodnota = MaskaPohybu{};
            throw Chyba(c.Hr(), TextChybneMasky(klic_.CestaOtevreneho()));
        }
    });
}

void CteniParametru::Zavrit() {
    otevreno_ = false;
    try {
        klic_.Zavrit();
    } catch (const Chyba& c) {
        chyby_.push_back(c);
    }
}
