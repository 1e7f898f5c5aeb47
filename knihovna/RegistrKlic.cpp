#include "knihovna/RegistrKlic.h"

#include <cstring>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"

namespace Knihovna {

RegistrKlic::RegistrKlic(Registr& registr, std::wstring koren) : registr_(registr), koren_(std::move(koren)) {}

RegistrKlic::~RegistrKlic() {
    if (klic_) klic_->Zavrit();
}

std::wstring RegistrKlic::Cesta(const std::wstring* podklic) const {
    if (!podklic) return koren_;
    if (podklic->empty()) Vyhodit(kE_INVALIDARG, L"Prázdný název klíče registru.");
    return koren_ + L"\\" + *podklic;
}

void RegistrKlic::Otevrit(const std::wstring* podklic, bool vytvorit) {
    const std::wstring cesta = Cesta(podklic);
    if (klic_) Zavrit();
    std::unique_ptr<OtevrenyKlic> novy;
    const std::uint32_t kod = registr_.Otevrit(cesta, vytvorit, novy);
    if (kod != 0)
        throw Chyba(HresultZWin32(kod), Formatovat(vytvorit ? L"Klíč registru \"%s\" nelze vytvořit ani otevřít."
                                                            : L"Klíč registru \"%s\" nelze otevřít.",
                                                   cesta.c_str()));
    klic_ = std::move(novy);
    cesta_ = cesta;
}

void RegistrKlic::OtevritCteni() { Otevrit(nullptr, false); }
void RegistrKlic::OtevritCteni(const std::wstring& podklic, bool vytvorit) { Otevrit(&podklic, vytvorit); }
void RegistrKlic::OtevritZapis() { Otevrit(nullptr, true); }
void RegistrKlic::OtevritZapis(const std::wstring& podklic) { Otevrit(&podklic, true); }

bool RegistrKlic::ZkusitOtevritCteni() {
    try {
        Otevrit(nullptr, false);
        return true;
    } catch (const Chyba& c) {
        if (c.Hr() == HresultZWin32(kChybaSouborNenalezen)) return false;
        throw;
    }
}

bool RegistrKlic::ZkusitOtevritCteni(const std::wstring& podklic) {
    try {
        Otevrit(&podklic, false);
        return true;
    } catch (const Chyba& c) {
        if (c.Hr() == HresultZWin32(kChybaSouborNenalezen)) return false;
        throw;
    }
}

void RegistrKlic::Zavrit() {
    if (!klic_) return;
    auto klic = std::move(klic_);
    klic_.reset();
    const std::uint32_t kod = klic->Zavrit();
    if (kod != 0)
        throw Chyba(HresultZWin32(kod), Formatovat(L"Klíč registru \"%s\" nelze zavřít.", cesta_.c_str()));
}

OtevrenyKlic& RegistrKlic::Klic() {
    if (!klic_) Vyhodit(kE_HANDLE, L"Klíč registru není otevřen.");
    return *klic_;
}

bool RegistrKlic::Dotaz(const std::wstring& jmeno, std::uint32_t& typ, std::uint32_t& velikost) {
    typ = kRegNone;
    velikost = 0;
    const std::uint32_t kod = Klic().CistHodnotu(jmeno, &typ, nullptr, &velikost);
    if (kod == kChybaSouborNenalezen) return false;
    if (kod != 0)
        throw Chyba(HresultZWin32(kod), Formatovat(L"Hodnotu \"%s\" v klíči registru \"%s\" nelze přečíst.",
                                                   jmeno.c_str(), cesta_.c_str()));
    return true;
}

void RegistrKlic::ChybaTypu(const std::wstring& jmeno, const wchar_t* ocekavano) {
    throw Chyba(HresultZWin32(kChybaNesouhlasTypu),
                Formatovat(L"Hodnota \"%s\" v klíči registru \"%s\" má nesprávný typ nebo velikost (očekáváno: %s).",
                           jmeno.c_str(), cesta_.c_str(), ocekavano));
}

bool RegistrKlic::Existuje(const std::wstring& jmeno) {
    std::uint32_t typ, velikost;
    return Dotaz(jmeno, typ, velikost);
}

int RegistrKlic::CistText(const std::wstring& jmeno, std::wstring& text) {
    std::uint32_t typ, velikost;
    if (!Dotaz(jmeno, typ, velikost)) return 1;
    if (typ != kRegSz) ChybaTypu(jmeno, L"text");
    std::string data(velikost, '\0');
    std::uint32_t n = velikost;
    const std::uint32_t kod = Klic().CistHodnotu(jmeno, &typ, data.data(), &n);
    if (kod != 0)
        throw Chyba(HresultZWin32(kod), Formatovat(L"Hodnotu \"%s\" v klíči registru \"%s\" nelze přečíst.",
                                                   jmeno.c_str(), cesta_.c_str()));
    data.resize(n);
    std::wstring t = DekodovatUtf16LE(data);
    const auto nula = t.find(L'\0');
    if (nula != std::wstring::npos) t.resize(nula);
    text = std::move(t);
    return 0;
}

int RegistrKlic::CistCislo(const std::wstring& jmeno, std::uint32_t& cislo) {
    std::uint32_t typ, velikost;
    if (!Dotaz(jmeno, typ, velikost)) return 1;
    if (typ != kRegDword || velikost != 4) ChybaTypu(jmeno, L"číslo DWORD");
    unsigned char b[4] = {};
    std::uint32_t n = 4;
    const std::uint32_t kod = Klic().CistHodnotu(jmeno, &typ, b, &n);
    if (kod != 0)
        throw Chyba(HresultZWin32(kod), Formatovat(L"Hodnotu \"%s\" v klíči registru \"%s\" nelze přečíst.",
                                                   jmeno.c_str(), cesta_.c_str()));
    cislo = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return 0;
}

int RegistrKlic::CistCislo(const std::wstring& jmeno, std::int32_t& cislo) {
    std::uint32_t u = static_cast<std::uint32_t>(cislo);
    const int r = CistCislo(jmeno, u);
    cislo = static_cast<std::int32_t>(u);
    return r;
}

int RegistrKlic::CistPriznak(const std::wstring& jmeno, bool& priznak) {
    std::uint32_t u = 0;
    const int r = CistCislo(jmeno, u);
    if (r == 0) priznak = (u != 0);
    return r;
}

int RegistrKlic::CistBinarni(const std::wstring& jmeno, void* data, std::uint32_t velikost) {
    std::uint32_t typ, skutecna;
    if (!Dotaz(jmeno, typ, skutecna)) return 1;
    if (typ != kRegBinary || skutecna != velikost)
        ChybaTypu(jmeno, Formatovat(L"binární data o %u bajtech", static_cast<unsigned>(velikost)).c_str());
    std::uint32_t n = velikost;
    const std::uint32_t kod = Klic().CistHodnotu(jmeno, &typ, data, &n);
    if (kod != 0)
        throw Chyba(HresultZWin32(kod), Formatovat(L"Hodnotu \"%s\" v klíči registru \"%s\" nelze přečíst.",
                                                   jmeno.c_str(), cesta_.c_str()));
    return 0;
}

namespace {
[[noreturn]] void ChybaZapisu(std::uint32_t kod, const std::wstring& jmeno, const std::wstring& cesta) {
    throw Chyba(HresultZWin32(kod), Formatovat(L"Hodnotu \"%s\" do klíče registru \"%s\" nelze zapsat.",
                                               jmeno.c_str(), cesta.c_str()));
}
}  // namespace

void RegistrKlic::ZapsatText(const std::wstring& jmeno, const std::wstring& text) {
    std::string data = KodovatUtf16LE(text);
    data.append(2, '\0');  // the terminating zero belongs to the stored value
    const std::uint32_t kod =
        Klic().ZapsatHodnotu(jmeno, kRegSz, data.data(), static_cast<std::uint32_t>(data.size()));
    if (kod != 0) ChybaZapisu(kod, jmeno, cesta_);
}

void RegistrKlic::ZapsatCislo(const std::wstring& jmeno, std::uint32_t cislo) {
    const unsigned char b[4] = {static_cast<unsigned char>(cislo), static_cast<unsigned char>(cislo >> 8),
                                static_cast<unsigned char>(cislo >> 16), static_cast<unsigned char>(cislo >> 24)};
    const std::uint32_t kod = Klic().ZapsatHodnotu(jmeno, kRegDword, b, 4);
    if (kod != 0) ChybaZapisu(kod, jmeno, cesta_);
}

void RegistrKlic::ZapsatPriznak(const std::wstring& jmeno, bool priznak) { ZapsatCislo(jmeno, priznak ? 1u : 0u); }

void RegistrKlic::ZapsatBinarni(const std::wstring& jmeno, const void* data, std::uint32_t velikost) {
    const std::uint32_t kod = Klic().ZapsatHodnotu(jmeno, kRegBinary, data, velikost);
    if (kod != 0) ChybaZapisu(kod, jmeno, cesta_);
}

void RegistrKlic::SmazatHodnotu(const std::wstring& jmeno) {
    const std::uint32_t kod = Klic().SmazatHodnotu(jmeno);
    if (kod != 0 && kod != kChybaSouborNenalezen)
        throw Chyba(HresultZWin32(kod), Formatovat(L"Hodnotu \"%s\" v klíči registru \"%s\" nelze smazat.",
                                                   jmeno.c_str(), cesta_.c_str()));
}

std::vector<std::wstring> RegistrKlic::JmenaHodnot() {
    std::vector<std::wstring> jmena;
    for (std::uint32_t i = 0;; ++i) {
        std::wstring j;
        const std::uint32_t kod = Klic().VyctiHodnotu(i, j);
        if (kod == kChybaZadneDalsiPolozky) break;
        if (kod != 0)
            throw Chyba(HresultZWin32(kod), Formatovat(L"Hodnoty klíče registru \"%s\" nelze vyčíst.", cesta_.c_str()));
        jmena.push_back(std::move(j));
    }
    return jmena;
}

std::vector<std::wstring> RegistrKlic::JmenaPodklicu() {
    std::vector<std::wstring> jmena;
    for (std::uint32_t i = 0;; ++i) {
        std::wstring j;
        const std::uint32_t kod = Klic().VyctiPodklic(i, j);
        if (kod == kChybaZadneDalsiPolozky) break;
        if (kod != 0)
            throw Chyba(HresultZWin32(kod), Formatovat(L"Podklíče klíče registru \"%s\" nelze vyčíst.", cesta_.c_str()));
        jmena.push_back(std::move(j));
    }
    return jmena;
}

void RegistrKlic::SmazatPodklic(const std::wstring& podklic) {
    const std::wstring cesta = Cesta(&podklic);
    const std::uint32_t kod = registr_.SmazatStrom(cesta);
    if (kod != 0 && kod != kChybaSouborNenalezen)
        throw Chyba(HresultZWin32(kod), Formatovat(L"Klíč registru \"%s\" nelze smazat.", cesta.c_str()));
}

std::wstring TextMimoRozsah(const std::wstring& cestaKlice, const std::wstring& jmeno, std::uint32_t ulozena,
                            std::uint32_t vychozi) {
    return Formatovat(L"Hodnota \"%s\" v klíči registru \"%s\" (%u) je mimo povolený rozsah, použita výchozí hodnota %u.",
                      jmeno.c_str(), cestaKlice.c_str(), ulozena, vychozi);
}

}  // namespace Knihovna
