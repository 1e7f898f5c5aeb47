#include "net/ProhlizecFtp.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>

#include "imagetools/RozpoznaniObrazku.h"
#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"
#include "net/NastaveniProhlizeceFtp.h"

namespace Holvent::Ftp {

namespace {

bool MaPriponu(const std::wstring& jmeno, std::initializer_list<const wchar_t*> pripony) {
    const std::size_t tecka = jmeno.rfind(L'.');
    if (tecka == std::wstring::npos) return false;
    const std::wstring_view pripona = std::wstring_view(jmeno).substr(tecka);
    for (const wchar_t* p : pripony)
        if (Knihovna::StejneBezVelikosti(pripona, p)) return true;
    return false;
}

constexpr std::uint32_t kFiltrObrazky = NastaveniProhlizeceFtp::kFiltrObrazky;
constexpr std::uint32_t kFiltrVidea = NastaveniProhlizeceFtp::kFiltrVidea;
constexpr std::uint32_t kFiltrVse = NastaveniProhlizeceFtp::kFiltrVse;

}  // namespace

bool FiltrSouboruFtp::JeObrazek(const std::wstring& jmeno) { return Obrazky::MaPriponuObrazku(jmeno); }

bool FiltrSouboruFtp::JeVideo(const std::wstring& jmeno) { return MaPriponu(jmeno, {L".avi", L".wmv"}); }

bool FiltrSouboruFtp::Zobrazit(const std::wstring& jmeno) const {
    if (filtr_ == kFiltrVse) return true;
    return ((filtr_ & kFiltrObrazky) && JeObrazek(jmeno)) || ((filtr_ & kFiltrVidea) && JeVideo(jmeno));
}

FiltrSouboruFtp::Cil FiltrSouboruFtp::Kam(const PolozkaFtp& p) const {
    if (p.jmeno.empty() || p.jmeno[0] == L'.') return Cil::Vynechat;
    if (p.slozka) return Cil::Strom;
    return Zobrazit(p.jmeno) ? Cil::Seznam : Cil::Vynechat;
}

void SeraditPolozky(std::vector<PolozkaFtp>& polozky) {
    // Keys once, not per comparison.
    std::vector<std::wstring> klice(polozky.size());
    for (std::size_t i = 0; i < polozky.size(); ++i)
        klice[i] = Knihovna::MalymiPismeny(polozky[i].jmeno);
    std::vector<std::size_t> poradi(polozky.size());
    std::iota(poradi.begin(), poradi.end(), 0);
    std::stable_sort(poradi.begin(), poradi.end(), [&](std::size_t a, std::size_t b) { return klice[a] < klice[b]; });
    std::vector<PolozkaFtp> serazene;
    serazene.reserve(polozky.size());
    for (std::size_t i : poradi)
        serazene.push_back(std::move(polozky[i]));
    polozky = std::move(serazene);
}

bool DavkyVypisuFtp::Pridat(PolozkaFtp p) {
    if (omezeno_) return false;
    if (p.jmeno.empty() || p.jmeno[0] == L'.') return true;
    if (prijato_ >= kMaxPolozek) {
        omezeno_ = true;
        return false;
    }
    ++prijato_;
    switch (filtr_.Kam(p)) {
    case FiltrSouboruFtp::Cil::Strom:
        slozky_.push_back(std::move(p));
        break;
    case FiltrSouboruFtp::Cil::Seznam:
        soubory_.push_back(std::move(p));
        break;
    case FiltrSouboruFtp::Cil::Vynechat:
        break;
    }
    return true;
}

void DavkyVypisuFtp::Vzit(std::vector<PolozkaFtp>& slozky, std::vector<PolozkaFtp>& soubory) {
    slozky = std::move(slozky_);
    soubory = std::move(soubory_);
    slozky_.clear();
    soubory_.clear();
}

std::wstring TextNacitaniSlozky(const std::wstring& slozka, std::size_t polozek) {
    return Knihovna::Formatovat(L"Načítám obsah složky \"%s\" (položek: %u)", slozka.c_str(),
                                static_cast<unsigned>(polozek));
}

std::wstring TextOmezenehoVypisu(const std::wstring& slozka) {
    return Knihovna::Formatovat(L"Složka \"%s\" obsahuje více než %u položek; zobrazeno je prvních %u.", slozka.c_str(),
                                static_cast<unsigned>(DavkyVypisuFtp::kMaxPolozek),
                                static_cast<unsigned>(DavkyVypisuFtp::kMaxPolozek));
}

std::wstring CestaSouboruFtp(const std::wstring& slozka, const std::wstring& jmeno) {
    std::wstring s = slozka;
    while (s.size() > 1 && s.back() == L'/')
        s.pop_back();
    if (s.empty()) return jmeno;
    if (s == L"/") return s + jmeno;
    return s + L"/" + jmeno;
}

std::wstring CestaVypisuFtp(const std::wstring& slozka) { return CestaSouboruFtp(slozka, L"*.*"); }

std::uint32_t ProcentaStazeni(std::uint64_t bajty, std::uint64_t velikost) {
    if (velikost == 0) return 0;
    if (bajty >= velikost) return 100;
    return static_cast<std::uint32_t>(static_cast<unsigned __int128>(bajty) * 100 / velikost);
}

bool PrubehStahovaniFtp::Prijato(std::uint64_t celkem) {
    bajty_ = celkem;
    if (ZnamaVelikost()) {
        const std::uint32_t p = ProcentaStazeni(celkem, velikost_);
        if (p == procenta_) return false;
        procenta_ = p;
        return true;
    }
    if (celkem - hlasenoBajtu_ < kKrokBezVelikosti) return false;
    hlasenoBajtu_ = celkem;
    return true;
}

std::wstring TextPrubehu(bool znamaVelikost, std::uint32_t procenta, std::uint64_t bajty) {
    if (znamaVelikost) return Knihovna::Formatovat(L"Staženo: %d procent", static_cast<int>(procenta));
    return Knihovna::Formatovat(L"Staženo bajtů: %llu", static_cast<unsigned long long>(bajty));
}

std::wstring PrubehStahovaniFtp::Text() const { return TextPrubehu(ZnamaVelikost(), procenta_, bajty_); }

std::wstring NavrhJmenaUlozeni(const std::wstring& jmenoNaServeru) {
    std::wstring s = jmenoNaServeru;
    for (wchar_t& z : s)
        if (z < 32 || std::wstring_view(L"\\/:*?\"<>|").find(z) != std::wstring_view::npos) z = L'_';
    for (auto it = s.rbegin(); it != s.rend() && (*it == L'.' || *it == L' '); ++it)
        *it = L'_';
    if (s.empty()) return L"_";
    // A device name stays a device name with any extension.
    const std::wstring zaklad = Knihovna::MalymiPismeny(s.substr(0, s.find(L'.')));
    static constexpr std::array kZarizeni{L"con", L"prn", L"aux", L"nul"};
    bool zarizeni = std::find(kZarizeni.begin(), kZarizeni.end(), std::wstring_view(zaklad)) != kZarizeni.end();
    if (zaklad.size() == 4 && (zaklad.starts_with(L"com") || zaklad.starts_with(L"lpt")) && zaklad[3] >= L'1' &&
        zaklad[3] <= L'9')
        zarizeni = true;
    return zarizeni ? L"_" + s : s;
}

}  // namespace Holvent::Ftp
