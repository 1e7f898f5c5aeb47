#include "camera/ZapisParametru.h"

using namespace Knihovna;

ZapisParametru::ZapisParametru(Registr& registr, const std::wstring& koren) : klic_(registr, koren) {}

void ZapisParametru::Klic(const wchar_t* podklic) {
    if (podklic) klic_.OtevritZapis(podklic);
    else klic_.OtevritZapis();
}

void ZapisParametru::Hodnota(const wchar_t* jmeno, bool hodnota) { klic_.ZapsatPriznak(jmeno, hodnota); }
void ZapisParametru::Hodnota(const wchar_t* jmeno, std::uint32_t hodnota) { klic_.ZapsatCislo(jmeno, hodnota); }
void ZapisParametru::Hodnota(const wchar_t* jmeno, std::int32_t hodnota) {
    klic_.ZapsatCislo(jmeno, static_cast<std::uint32_t>(hodnota));
}
void ZapisParametru::Hodnota(const wchar_t* jmeno, const std::wstring& hodnota) { klic_.ZapsatText(jmeno, hodnota); }
void ZapisParametru::Hodnota(const wchar_t* jmeno, const PopisPisma& hodnota) {
    const auto b = hodnota.Bajty();
    klic_.ZapsatBinarni(jmeno, b.data(), PopisPisma::kVelikost);
}

void ZapisParametru::Hodnota(const wchar_t* jmeno, const MaskaPohybu& hodnota) {
    const auto b = hodnota.Bajty();
    klic_.ZapsatBinarni(jmeno, b.data(), MaskaPohybu::kBajtu);
}

void ZapisParametru::Zavrit() { klic_.Zavrit(); }
