#include "imagetools/Promitani.h"

#include <cstdint>

#include "imagetools/RozpoznaniObrazku.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Obrazky {

Knihovna::Obdelnik UmisteniPromitani(int sx, int sy, int w, int h) {
    if (w <= 0 || h <= 0 || sx <= 0 || sy <= 0) return {};
    int sirka = w, vyska = h;
    if (w > sx || h > sy) {
        if (static_cast<double>(sx) / w <= static_cast<double>(sy) / h) {
            sirka = sx;
            vyska = static_cast<int>(static_cast<std::int64_t>(h) * sx / w);
        } else {
            vyska = sy;
            sirka = static_cast<int>(static_cast<std::int64_t>(w) * sy / h);
        }
    }
    const int x = (sx - sirka) / 2, y = (sy - vyska) / 2;
    return {x, y, x + sirka, y + vyska};
}

void StavPromitani::ZacitPromitani(std::size_t pocet, bool cyklicky) {
    if (faze_ == Faze::Konec) return;
    faze_ = Faze::Promitani;
    pocet_ = pocet;
    cyklicky_ = cyklicky;
    index_ = -1;
    pozastaveno_ = false;
}

std::optional<std::size_t> StavPromitani::Dalsi() {
    if (faze_ != Faze::Promitani) return std::nullopt;
    if (pocet_ == 0) {
        faze_ = Faze::Konec;
        return std::nullopt;
    }
    ++index_;
    if (index_ >= static_cast<long long>(pocet_)) {
        if (!cyklicky_) {
            faze_ = Faze::Konec;
            return std::nullopt;
        }
        index_ = 0;
    }
    return static_cast<std::size_t>(index_);
}

StavPromitani::Reakce StavPromitani::Stisknuto(Klavesa k) {
    Reakce r;
    if (faze_ == Faze::Konec) return r;
    if (k == Klavesa::Escape) {
        faze_ = Faze::Konec;
        r.ukoncit = r.zastavitCasovac = true;
        return r;
    }
    if (faze_ != Faze::Promitani) return r;  // while collecting only Escape counts
    switch (k) {
    case Klavesa::Pauza:
        pozastaveno_ = !pozastaveno_;
        (pozastaveno_ ? r.zastavitCasovac : r.spustitCasovac) = true;
        break;
    case Klavesa::Zpet:
        if (index_ < 1) break;
        index_ -= 2;
        r = {false, true, true, !pozastaveno_};
        break;
    case Klavesa::Vpred:
        r = {false, true, true, !pozastaveno_};
        break;
    default:
        break;
    }
    return r;
}

namespace {

struct Sber {
    const VycetSlozky& vycet;
    const std::atomic<bool>* zrusit;
    const std::function<void(std::size_t)>& prubeh;
    std::size_t krok;
    VysledekSberu vysledek;

    bool Konec() const { return vysledek.zruseno || vysledek.omezeno; }

    void Slozka(const std::wstring& slozka, int hloubka) {
        const bool lomitko = !slozka.empty() && (slozka.back() == L'\\' || slozka.back() == L'/');
        const std::wstring predpona = lomitko ? slozka : slozka + L"\\";
        vycet(slozka, [&](const PolozkaSlozky& p) {
            if (zrusit && zrusit->load(std::memory_order_relaxed)) {
                vysledek.zruseno = true;
                return false;
            }
            if (p.jmeno.empty() || p.jmeno[0] == L'.' || p.bodZnovuzpracovani) return true;
            if (p.slozka) {
                if (hloubka < kMaxHloubkaSberu) Slozka(predpona + p.jmeno, hloubka + 1);
                return !Konec();
            }
            if (!MaPriponuObrazku(p.jmeno)) return true;
            if (vysledek.soubory.size() >= kMaxObrazkuSberu) {
                vysledek.omezeno = true;
                return false;
            }
            vysledek.soubory.push_back(predpona + p.jmeno);
            if (prubeh && krok && vysledek.soubory.size() % krok == 0) prubeh(vysledek.soubory.size());
            return true;
        });
    }
};

}  // namespace

VysledekSberu SberObrazku(const std::wstring& slozka, const VycetSlozky& vycet, const std::atomic<bool>* zrusit,
                          const std::function<void(std::size_t)>& prubeh, std::size_t krokPrubehu) {
    Sber s{vycet, zrusit, prubeh, krokPrubehu, {}};
    s.Slozka(slozka, 0);
    if (prubeh) prubeh(s.vysledek.soubory.size());
    return std::move(s.vysledek);
}

std::wstring TextHledani(std::size_t nalezeno) {
    return Knihovna::Formatovat(L"Hledám obrázky (nalezeno: %u)", static_cast<unsigned>(nalezeno));
}

}  // namespace Holvent::Obrazky
