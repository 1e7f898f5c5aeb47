#include "camera/ZasuvnyModul.h"

#include "camera/CteniParametru.h"
#include "camera/ZapisParametru.h"
#include "knihovna/Formatovani.h"
#include "knihovna/RegistrKlic.h"

#include <algorithm>
#include <cwctype>

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

// Registry key names and Windows paths compare without regard to case.
bool StejneBezVelikosti(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(static_cast<std::wint_t>(x)) == std::towupper(static_cast<std::wint_t>(y));
           });
}

bool JmenoObsazeno(const std::vector<ZasuvnyModul>& moduly, const std::wstring& jmeno) {
    return std::any_of(moduly.begin(), moduly.end(),
                       [&](const ZasuvnyModul& m) { return StejneBezVelikosti(m.jmeno, jmeno); });
}

void OveritJmena(const std::vector<ZasuvnyModul>& moduly) {
    for (std::size_t i = 0; i < moduly.size(); ++i) {
        const std::wstring& j = moduly[i].jmeno;
        // A name that would nest keys, name the list itself or exceed the registry's limit cannot be a subkey.
        bool dobre = !j.empty() && j.find(L'\\') == std::wstring::npos && j.size() <= kNejdelsiJmenoModulu;
        for (std::size_t k = 0; dobre && k < i; ++k) dobre = !StejneBezVelikosti(moduly[k].jmeno, j);
        if (!dobre) Vyhodit(kE_INVALIDARG, L"Neplatný název zásuvného modulu \"" + j + L"\".");
    }
}

}  // namespace

std::wstring JmenoNovehoModulu(const std::vector<ZasuvnyModul>& moduly, const std::wstring& navrh) {
    std::wstring zaklad = navrh;
    std::replace(zaklad.begin(), zaklad.end(), L'\\', L'_');
    if (zaklad.empty()) zaklad = L"Zásuvný modul";
    if (zaklad.size() > kNejdelsiJmenoModulu) zaklad.resize(kNejdelsiJmenoModulu);
    if (!JmenoObsazeno(moduly, zaklad)) return zaklad;
    // The list holds at most moduly.size() names, so one of the first size() + 1 numbers is free.
    for (std::size_t n = 2;; ++n) {
        const std::wstring pripona = L" (" + std::to_wstring(n) + L")";
        std::wstring jmeno = zaklad.substr(0, kNejdelsiJmenoModulu - pripona.size()) + pripona;
        if (!JmenoObsazeno(moduly, jmeno)) return jmeno;
    }
}

bool JeAbsolutniCesta(const std::wstring& cesta) {
    const auto oddelovac = [](wchar_t z) { return z == L'\\' || z == L'/'; };
    if (cesta.size() >= 3 && oddelovac(cesta[0]) && oddelovac(cesta[1])) return !oddelovac(cesta[2]);
    return cesta.size() >= 4 && ((cesta[0] >= L'A' && cesta[0] <= L'Z') || (cesta[0] >= L'a' && cesta[0] <= L'z')) &&
           cesta[1] == L':' && oddelovac(cesta[2]);
}

std::wstring TextChybyNacteniModulu(const std::wstring& cesta, const std::wstring& systemovyPopis) {
    return Formatovat(L"Chyba načtení zásuvného modulu\n%s\n\nSystémový popis chyby:\n%s", cesta.c_str(),
                      systemovyPopis.c_str());
}

ZasuvnyModul& PridatZasuvnyModul(std::vector<ZasuvnyModul>& moduly, const std::wstring& cesta,
                                 const std::wstring& navrh) {
    if (std::any_of(moduly.begin(), moduly.end(),
                    [&](const ZasuvnyModul& m) { return StejneBezVelikosti(m.cesta, cesta); }))
        Vyhodit(kE_INVALIDARG, kTextModulJizVSeznamu);
    ZasuvnyModul m;
    m.jmeno = JmenoNovehoModulu(moduly, navrh);
    m.cesta = cesta;
    moduly.push_back(std::move(m));
    return moduly.back();
}

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
    OveritJmena(moduly);
    RegistrKlic klic(registr, cestaKamery);
    klic.SmazatPodklic(kKlicZasuvnychModulu);
    klic.OtevritZapis(kKlicZasuvnychModulu);
    klic.Zavrit();
    const std::wstring cesta = cestaKamery + L"\\" + kKlicZasuvnychModulu;
    for (const auto& m : moduly) {
        ZapisParametru zapis(registr, cesta + L"\\" + m.jmeno);
        PopsatModul(zapis, m);
    }
}
