#include "camera/CteniParametru.h"

using namespace Knihovna;

CteniParametru::CteniParametru(Registr& registr, const std::wstring& koren, std::vector<Chyba>& chyby)
    : klic_(registr, koren), chyby_(chyby) {}

void CteniParametru::Klic(const wchar_t* podklic) {
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
    Cist([&] { klic_.CistCislo(jmeno, hodnota); });
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

void CteniParametru::Zavrit() {
    otevreno_ = false;
    try {
        klic_.Zavrit();
    } catch (const Chyba& c) {
        chyby_.push_back(c);
    }
}
