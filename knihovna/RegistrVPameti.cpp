#include "knihovna/RegistrVPameti.h"

#include <cstring>
#include <map>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/Text.h"

namespace Knihovna {

struct RegistrVPameti::Uzel {
    struct Hodnota {
        std::wstring jmeno;
        std::uint32_t typ = kRegNone;
        std::string data;
    };
    std::wstring jmeno;
    std::map<std::wstring, std::shared_ptr<Uzel>> podklice;  // by lower-case name
    std::vector<Hodnota> hodnoty;
    bool smazan = false;

    Hodnota* NajitHodnotu(const std::wstring& j) {
        for (auto& h : hodnoty)
            if (StejneBezVelikosti(h.jmeno, j)) return &h;
        return nullptr;
    }
    void OznacitSmazane() {
        smazan = true;
        for (auto& [_, p] : podklice) p->OznacitSmazane();
    }
};

struct RegistrVPameti::Stav {
    std::mutex zamek;
    std::shared_ptr<Uzel> koren = std::make_shared<Uzel>();
    int otevrenych = 0;
};

namespace {

using Uzel = RegistrVPameti::Uzel;
using Stav = RegistrVPameti::Stav;

bool RozdelitCestu(const std::wstring& cesta, std::vector<std::wstring>& casti) {
    casti.clear();
    std::wstring cast;
    for (wchar_t z : cesta) {
        if (z == L'\\') {
            if (cast.empty()) return false;
            casti.push_back(cast);
            cast.clear();
        } else {
            cast += z;
        }
    }
    if (!cast.empty()) casti.push_back(cast);
    else if (!cesta.empty()) return false;
    return true;
}

class KlicVPameti final : public OtevrenyKlic {
public:
    KlicVPameti(std::shared_ptr<Stav> stav, std::shared_ptr<Uzel> uzel)
        : stav_(std::move(stav)), uzel_(std::move(uzel)) {}
    ~KlicVPameti() override { Zavrit(); }

    std::uint32_t CistHodnotu(const std::wstring& jmeno, std::uint32_t* typ, void* data,
                              std::uint32_t* velikost) override {
        std::lock_guard<std::mutex> z(stav_->zamek);
        if (!uzel_) return kChybaNeplatnyParametr;
        if (uzel_->smazan) return kChybaKlicSmazan;
        const auto* h = uzel_->NajitHodnotu(jmeno);
        if (!h) return kChybaSouborNenalezen;
        if (typ) *typ = h->typ;
        const auto n = static_cast<std::uint32_t>(h->data.size());
        if (!data) {
            if (velikost) *velikost = n;
            return 0;
        }
        if (!velikost) return kChybaNeplatnyParametr;
        if (*velikost < n) {
            *velikost = n;
            return kChybaViceDat;
        }
        std::memcpy(data, h->data.data(), n);
        *velikost = n;
        return 0;
    }

    std::uint32_t ZapsatHodnotu(const std::wstring& jmeno, std::uint32_t typ, const void* data,
                                std::uint32_t velikost) override {
        std::lock_guard<std::mutex> z(stav_->zamek);
        if (!uzel_) return kChybaNeplatnyParametr;
        if (uzel_->smazan) return kChybaKlicSmazan;
        auto* h = uzel_->NajitHodnotu(jmeno);
        if (!h) {
            uzel_->hodnoty.push_back({jmeno, typ, {}});
            h = &uzel_->hodnoty.back();
        }
        h->typ = typ;
        h->data.assign(static_cast<const char*>(data), velikost);
        return 0;
    }

    std::uint32_t SmazatHodnotu(const std::wstring& jmeno) override {
        std::lock_guard<std::mutex> z(stav_->zamek);
        if (!uzel_) return kChybaNeplatnyParametr;
        if (uzel_->smazan) return kChybaKlicSmazan;
        for (auto it = uzel_->hodnoty.begin(); it != uzel_->hodnoty.end(); ++it) {
            if (StejneBezVelikosti(it->jmeno, jmeno)) {
                uzel_->hodnoty.erase(it);
                return 0;
            }
        }
        return kChybaSouborNenalezen;
    }

    std::uint32_t VyctiHodnotu(std::uint32_t index, std::wstring& jmeno) override {
        std::lock_guard<std::mutex> z(stav_->zamek);
        if (!uzel_) return kChybaNeplatnyParametr;
        if (uzel_->smazan) return kChybaKlicSmazan;
        if (index >= uzel_->hodnoty.size()) return kChybaZadneDalsiPolozky;
        jmeno = uzel_->hodnoty[index].jmeno;
        return 0;
    }

    std::uint32_t VyctiPodklic(std::uint32_t index, std::wstring& jmeno) override {
        std::lock_guard<std::mutex> z(stav_->zamek);
        if (!uzel_) return kChybaNeplatnyParametr;
        if (uzel_->smazan) return kChybaKlicSmazan;
        if (index >= uzel_->podklice.size()) return kChybaZadneDalsiPolozky;
        auto it = uzel_->podklice.begin();
        std::advance(it, index);
        jmeno = it->second->jmeno;
        return 0;
    }

    std::uint32_t Zavrit() override {
        std::lock_guard<std::mutex> z(stav_->zamek);
        if (!uzel_) return kChybaNeplatnyParametr;  // ERROR_INVALID_HANDLE-like: closed twice
        uzel_.reset();
        --stav_->otevrenych;
        return 0;
    }

private:
    std::shared_ptr<Stav> stav_;
    std::shared_ptr<Uzel> uzel_;
};

}  // namespace

RegistrVPameti::RegistrVPameti() : stav_(std::make_shared<Stav>()) {}
RegistrVPameti::~RegistrVPameti() = default;

std::uint32_t RegistrVPameti::Otevrit(const std::wstring& cesta, bool vytvorit,
                                      std::unique_ptr<OtevrenyKlic>& klic) {
    std::vector<std::wstring> casti;
    if (!RozdelitCestu(cesta, casti)) return kChybaSpatnaCesta;
    std::unique_ptr<OtevrenyKlic> otevreny;
    {
        std::lock_guard<std::mutex> z(stav_->zamek);
        std::shared_ptr<Uzel> uzel = stav_->koren;
        for (const auto& c : casti) {
            const std::wstring k = MalymiPismeny(c);
            auto it = uzel->podklice.find(k);
            if (it == uzel->podklice.end()) {
                if (!vytvorit) return kChybaSouborNenalezen;
                auto novy = std::make_shared<Uzel>();
                novy->jmeno = c;
                it = uzel->podklice.emplace(k, novy).first;
            }
            uzel = it->second;
        }
        ++stav_->otevrenych;
        otevreny = std::make_unique<KlicVPameti>(stav_, uzel);
    }
    // A key the caller still holds in klic is closed here, outside the lock its closing takes.
    klic = std::move(otevreny);
    return 0;
}

std::uint32_t RegistrVPameti::SmazatStrom(const std::wstring& cesta) {
    std::vector<std::wstring> casti;
    if (!RozdelitCestu(cesta, casti) || casti.empty()) return kChybaSpatnaCesta;
    std::lock_guard<std::mutex> z(stav_->zamek);
    std::shared_ptr<Uzel> uzel = stav_->koren;
    for (size_t i = 0; i + 1 < casti.size(); ++i) {
        auto it = uzel->podklice.find(MalymiPismeny(casti[i]));
        if (it == uzel->podklice.end()) return kChybaSouborNenalezen;
        uzel = it->second;
    }
    auto it = uzel->podklice.find(MalymiPismeny(casti.back()));
    if (it == uzel->podklice.end()) return kChybaSouborNenalezen;
    it->second->OznacitSmazane();
    uzel->podklice.erase(it);
    return 0;
}

int RegistrVPameti::PocetOtevrenych() const {
    std::lock_guard<std::mutex> z(stav_->zamek);
    return stav_->otevrenych;
}

}  // namespace Knihovna
