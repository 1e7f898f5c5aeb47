#include "camera/ZasuvnyModul.h"

#include "camera/CteniParametru.h"
#include "camera/ZapisParametru.h"
#include "knihovna/RegistrKlic.h"

using namespace Knihovna;

namespace {

template <class Prevod, class M>
void PopsatModul(Prevod& p, M& m) {
    p.Klic(nullptr);
    p.Hodnota(L"cesta", m.cesta);
    p.Hodnota(L"usDisk", m.usDisk);
    p.Hodnota(L"usEmail", m.usEmail);
    p.Hodnota(L"usFtp", m.usFtp);
    p.Hodnota(L"usHS", m.usHS);
    p.Hodnota(L"zdo", m.zdo);
    p.Zavrit();
}

}  // namespace

std::vector<ZasuvnyModul> NacistZasuvneModuly(Registr& registr, const std::wstring& cestaKamery,
                                              std::vector<Chyba>& chyby) {
    std::vector<ZasuvnyModul> moduly;
    const std::wstring cesta = cestaKamery + L"\\" + kKlicZasuvnychModulu;
    std::vector<std::wstring> jmena;
    try {
        RegistrKlic klic(registr, cesta);
        if (!klic.ZkusitOtevritCteni()) return moduly;
        jmena = klic.JmenaPodklicu();
        klic.Zavrit();
    } catch (const Chyba& c) {
        chyby.push_back(c);
        return moduly;
    }
    for (const auto& jmeno : jmena) {
        if (jmeno.empty()) continue;
        ZasuvnyModul m;
        m.jmeno = jmeno;
        CteniParametru cteni(registr, cesta + L"\\" + jmeno, chyby);
        PopsatModul(cteni, m);
        moduly.push_back(std::move(m));
    }
    return moduly;
}

void UlozitZasuvneModuly(const std::vector<ZasuvnyModul>& moduly, Registr& registr, const std::wstring& cestaKamery) {
    RegistrKlic klic(registr, cestaKamery);
    klic.SmazatPodklic(kKlicZasuvnychModulu);
    klic.OtevritZapis(kKlicZasuvnychModulu);
    klic.Zavrit();
    const std::wstring cesta = cestaKamery + L"\\" + kKlicZasuvnychModulu;
    for (const auto& m : moduly) {
        // A name that would nest keys or name the list itself cannot be a subkey.
        if (m.jmeno.empty() || m.jmeno.find(L'\\') != std::wstring::npos)
            Vyhodit(kE_INVALIDARG, L"Neplatný název zásuvného modulu \"" + m.jmeno + L"\".");
        ZapisParametru zapis(registr, cesta + L"\\" + m.jmeno);
        PopsatModul(zapis, m);
    }
}
