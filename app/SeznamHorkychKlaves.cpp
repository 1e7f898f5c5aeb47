#include "app/SeznamHorkychKlaves.h"

#include <cwchar>

#include "knihovna/Formatovani.h"
#include "knihovna/RegistrKlic.h"

using namespace Knihovna;

void SeznamHorkychKlaves::NastavitVychozi() {
    static constexpr std::uint32_t kVseobecne = 20003;
    static constexpr std::uint32_t kVychoziKamera = 20206;
    polozky_.clear();
    for (std::uint32_t id : {40001u, 40002u, 40017u}) Pridat(id, kVseobecne);
    for (std::uint32_t id : {40117u, 40119u, 40118u, 40120u, 40121u, 40122u, 40124u, 40123u}) Pridat(id, kVychoziKamera);
}

namespace {

// A value name that is a decimal command id; anything else is not ours.
bool CisloPrikazu(const std::wstring& jmeno, std::uint32_t& id) {
    if (jmeno.empty() || jmeno.size() > 10) return false;
    std::uint64_t n = 0;
    for (wchar_t z : jmeno) {
        if (z < L'0' || z > L'9') return false;
        n = n * 10 + static_cast<std::uint64_t>(z - L'0');
    }
    if (n > 0xFFFFFFFFu) return false;
    id = static_cast<std::uint32_t>(n);
    return true;
}

}  // namespace

int SeznamHorkychKlaves::Nacist(Registr& registr, const std::wstring& koren, std::vector<Chyba>& chyby) {
    RegistrKlic klic(registr, Formatovat(L"%s\\%s", koren.c_str(), kJmenoKlice));
    if (!klic.ZkusitOtevritCteni()) return 1;
    for (const auto& jmeno : klic.JmenaHodnot()) {
        std::uint32_t id = 0;
        if (jmeno.size() > 50 || !CisloPrikazu(jmeno, id)) continue;
        if (!Najit(id)) Pridat(id, 0);
    }
    for (auto& k : polozky_) {
        unsigned char bajty[kVelikostHodnoty];
        try {
            if (klic.CistBinarni(Formatovat(L"%u", k.idPrikazu), bajty, kVelikostHodnoty) == 0) {
                const HorkaKlavesa ulozena = Dekodovat(bajty);
                k.modifikatory = ulozena.modifikatory;
                k.klavesa = ulozena.klavesa;
                k.idSkupiny = ulozena.idSkupiny;
            }
        } catch (const Chyba& chyba) {
            chyby.push_back(chyba);
        }
    }
    klic.Zavrit();
    return 0;
}

int SeznamHorkychKlaves::Ulozit(Registr& registr, const std::wstring& koren) const {
    RegistrKlic klic(registr, koren);
    if (!klic.ZkusitOtevritCteni()) return 1;
    klic.SmazatPodklic(kJmenoKlice);
    klic.Zavrit();
    klic.OtevritZapis(kJmenoKlice);
    for (const auto& k : polozky_) {
        unsigned char bajty[kVelikostHodnoty];
        Zakodovat(k, bajty);
        klic.ZapsatBinarni(Formatovat(L"%u", k.idPrikazu), bajty, kVelikostHodnoty);
    }
    klic.Zavrit();
    return 0;
}

HorkaKlavesa* SeznamHorkychKlaves::Najit(std::uint32_t idPrikazu) {
    for (auto& k : polozky_)
        if (k.idPrikazu == idPrikazu) return &k;
    return nullptr;
}

const HorkaKlavesa* SeznamHorkychKlaves::Najit(std::uint32_t idPrikazu) const {
    for (const auto& k : polozky_)
        if (k.idPrikazu == idPrikazu) return &k;
    return nullptr;
}

HorkaKlavesa& SeznamHorkychKlaves::Pridat(std::uint32_t idPrikazu, std::uint32_t idSkupiny) {
    polozky_.push_back(HorkaKlavesa{0, 0, idPrikazu, idSkupiny});
    return polozky_.back();
}

const HorkaKlavesa* SeznamHorkychKlaves::NajitKombinaci(std::uint32_t modifikatory, std::uint32_t klavesa) const {
    if (klavesa == 0) return nullptr;
    for (const auto& k : polozky_)
        if (k.klavesa == klavesa && k.modifikatory == modifikatory) return &k;
    return nullptr;
}

void SeznamHorkychKlaves::Zakodovat(const HorkaKlavesa& k, unsigned char (&bajty)[kVelikostHodnoty]) {
    const std::uint32_t pole[4] = {k.modifikatory, k.klavesa, k.idPrikazu, k.idSkupiny};
    for (int i = 0; i < 4; ++i)
        for (int b = 0; b < 4; ++b) bajty[i * 4 + b] = static_cast<unsigned char>(pole[i] >> (8 * b));
}

HorkaKlavesa SeznamHorkychKlaves::Dekodovat(const unsigned char (&bajty)[kVelikostHodnoty]) {
    std::uint32_t pole[4] = {};
    for (int i = 0; i < 4; ++i)
        for (int b = 0; b < 4; ++b) pole[i] |= static_cast<std::uint32_t>(bajty[i * 4 + b]) << (8 * b);
    return HorkaKlavesa{pole[0], pole[1], pole[2], pole[3]};
}
