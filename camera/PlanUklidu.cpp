#include "camera/PlanUklidu.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr std::uint64_t Bajtu(std::uint32_t mb) { return std::uint64_t{mb} << 20; }

struct Kandidat {
    std::size_t slozka;
    std::size_t soubor;
};

}  // namespace

std::vector<SmazaniUklidu> NaplanovatUklid(const std::vector<VypisSlozky>& vypis, const ParametryKamery::Uklid& limity,
                                           std::int64_t ted, const std::map<std::wstring, std::uint64_t>& volneMisto,
                                           const std::set<OznaceniSouboru>& nesmazatelne) {
    if (!limity.Zapnuto()) return {};
    const auto soubor = [&](const Kandidat& k) -> const SouborUklidu& { return vypis[k.slozka].soubory[k.soubor]; };
    const auto starsi = [&](const Kandidat& a, const Kandidat& b) {
        const SouborUklidu& x = soubor(a);
        const SouborUklidu& y = soubor(b);
        const std::size_t dx = x.nazev.size(), dy = y.nazev.size();
        return std::tie(x.cas, a.slozka, dx, x.nazev) < std::tie(y.cas, b.slozka, dy, y.nazev);
    };

    // Per folder its files oldest first; the last (the newest) is never a candidate.
    std::vector<std::vector<Kandidat>> kandidati(vypis.size());
    std::vector<std::vector<DuvodSmazani>> duvod(vypis.size());
    std::vector<std::vector<bool>> vybran(vypis.size());
    for (std::size_t s = 0; s < vypis.size(); ++s) {
        const std::size_t n = vypis[s].soubory.size();
        vybran[s].assign(n, false);
        duvod[s].assign(n, DuvodSmazani::Stari);
        std::vector<Kandidat> vse;
        for (std::size_t i = 0; i < n; ++i) vse.push_back({s, i});
        std::sort(vse.begin(), vse.end(), starsi);
        if (!vse.empty()) vse.pop_back();
        for (const Kandidat& k : vse)
            if (!nesmazatelne.contains({s, soubor(k).nazev})) kandidati[s].push_back(k);
    }
    const auto vybrat = [&](const Kandidat& k, DuvodSmazani d) {
        vybran[k.slozka][k.soubor] = true;
        duvod[k.slozka][k.soubor] = d;
    };

    if (limity.maxStariDni) {
        const std::int64_t hranice = ted - static_cast<std::int64_t>(limity.maxStariDni) * kDen;
        for (const auto& slozka : kandidati)
            for (const Kandidat& k : slozka)
                if (soubor(k).cas < hranice) vybrat(k, DuvodSmazani::Stari);
    }

    if (limity.maxVelikostMB) {
        for (std::size_t s = 0; s < vypis.size(); ++s) {
            std::uint64_t celkem = 0;
            for (std::size_t i = 0; i < vypis[s].soubory.size(); ++i)
                if (!vybran[s][i]) celkem += vypis[s].soubory[i].velikost;
            for (const Kandidat& k : kandidati[s]) {
                if (celkem <= Bajtu(limity.maxVelikostMB)) break;
                if (vybran[s][k.soubor]) continue;
                vybrat(k, DuvodSmazani::VelikostSlozky);
                celkem -= soubor(k).velikost;
            }
        }
    }

    if (limity.minVolneMB) {
        for (const auto& [disk, volne] : volneMisto) {
            std::uint64_t misto = volne;
            std::vector<Kandidat> poradi;
            for (std::size_t s = 0; s < vypis.size(); ++s) {
                if (vypis[s].disk != disk) continue;
                for (std::size_t i = 0; i < vypis[s].soubory.size(); ++i)
                    if (vybran[s][i]) misto += vypis[s].soubory[i].velikost;
                for (const Kandidat& k : kandidati[s])
                    if (!vybran[s][k.soubor]) poradi.push_back(k);
            }
            std::sort(poradi.begin(), poradi.end(), starsi);
            for (const Kandidat& k : poradi) {
                if (misto >= Bajtu(limity.minVolneMB)) break;
                vybrat(k, DuvodSmazani::VolneMisto);
                misto += soubor(k).velikost;
            }
        }
    }

    std::vector<Kandidat> vybrane;
    for (std::size_t s = 0; s < vypis.size(); ++s)
        for (std::size_t i = 0; i < vypis[s].soubory.size(); ++i)
            if (vybran[s][i]) vybrane.push_back({s, i});
    std::sort(vybrane.begin(), vybrane.end(), starsi);
    std::vector<SmazaniUklidu> plan;
    for (const Kandidat& k : vybrane)
        plan.push_back({k.slozka, soubor(k).nazev, soubor(k).velikost, duvod[k.slozka][k.soubor]});
    return plan;
}
