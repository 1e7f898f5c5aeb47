#include "app/IdAplikaceZastupce.h"

#include <cstdint>
#include <cstring>

#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"

namespace {

// Shell link header: size 0x4C, flags at 0x14.
constexpr std::size_t kVelikostHlavicky = 0x4C;
constexpr std::uint32_t kMaSeznamId = 0x01, kMaInfoOdkazu = 0x02, kJeUnicode = 0x80;
// The five optional strings (name, relative path, working folder, arguments, icon), each with its flag.
constexpr std::uint32_t kRetezce[] = {0x04, 0x08, 0x10, 0x20, 0x40};
constexpr std::uint32_t kPodpisUlozisteVlastnosti = 0xA0000009;
constexpr std::uint32_t kVerzeUloziste = 0x53505331;  // "1SPS"
// FMTID of System.AppUserModel.* in its serialized byte order, and the ID's property number.
constexpr std::uint8_t kFormatAppUserModel[16] = {0x55, 0x28, 0x4C, 0x9F, 0x79, 0x9F, 0x39, 0x4B,
                                                  0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3};
constexpr std::uint32_t kVlastnostId = 5;
constexpr std::uint16_t kVtLpwstr = 0x001F;

[[noreturn]] void Poskozeny() {
    throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, L"Soubor není platný zástupce (.lnk).");
}

std::uint32_t Cist(std::string_view b, std::size_t pozice, std::size_t bajtu) {
    if (pozice > b.size() || b.size() - pozice < bajtu) Poskozeny();
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < bajtu; ++i) v |= std::uint32_t(std::uint8_t(b[pozice + i])) << (8 * i);
    return v;
}

void Pridat(std::string& b, std::uint32_t v, std::size_t bajtu) {
    for (std::size_t i = 0; i < bajtu; ++i) b.push_back(char((v >> (8 * i)) & 0xFF));
}

// Where the extra data blocks begin: after the header, the item ID list, the link info and the strings.
std::size_t ZacatekBloku(std::string_view b) {
    if (Cist(b, 0, 4) != kVelikostHlavicky) Poskozeny();
    const std::uint32_t priznaky = Cist(b, 0x14, 4);
    std::size_t p = kVelikostHlavicky;
    if (priznaky & kMaSeznamId) p += 2 + Cist(b, p, 2);
    if (priznaky & kMaInfoOdkazu) p += Cist(b, p, 4);
    for (std::uint32_t r : kRetezce)
        if (priznaky & r) p += 2 + Cist(b, p, 2) * ((priznaky & kJeUnicode) ? 2 : 1);
    if (p > b.size()) Poskozeny();
    return p;
}

// The ID in one property-store block (its serialized storages), empty without one.
std::wstring IdVBloku(std::string_view blok) {
    std::size_t p = 0;
    for (;;) {
        const std::uint32_t velikost = Cist(blok, p, 4);
        if (velikost == 0) return {};
        if (velikost < 24 || velikost > blok.size() - p) Poskozeny();
        const std::string_view uloziste = blok.substr(p, velikost);
        const bool nase = Cist(uloziste, 4, 4) == kVerzeUloziste &&
                          std::memcmp(uloziste.data() + 8, kFormatAppUserModel, 16) == 0;
        for (std::size_t q = 24; nase;) {
            const std::uint32_t velikostHodnoty = Cist(uloziste, q, 4);
            if (velikostHodnoty == 0) break;
            if (velikostHodnoty < 9 || velikostHodnoty > uloziste.size() - q) Poskozeny();
            if (Cist(uloziste, q + 4, 4) == kVlastnostId && Cist(uloziste, q + 9, 2) == kVtLpwstr) {
                const std::uint32_t znaku = Cist(uloziste, q + 13, 4);
                if (znaku > (velikostHodnoty - 17) / 2) Poskozeny();
                std::wstring id = Knihovna::DekodovatUtf16LE(uloziste.substr(q + 17, std::size_t(znaku) * 2));
                while (!id.empty() && id.back() == L'\0') id.pop_back();
                return id;
            }
            q += velikostHodnoty;
        }
        p += velikost;
    }
}

// Calls najdenyBlok(start, size, signature) for each extra data block; returns where the terminal block is.
template <typename F>
std::size_t ProjitBloky(std::string_view b, F najdenyBlok) {
    std::size_t p = ZacatekBloku(b);
    for (;;) {
        const std::uint32_t velikost = Cist(b, p, 4);
        if (velikost < 4) return p;
        if (velikost < 8 || velikost > b.size() - p) Poskozeny();
        najdenyBlok(p, velikost, Cist(b, p + 4, 4));
        p += velikost;
    }
}

}  // namespace

std::wstring PrecistIdAplikace(std::string_view zastupce) {
    std::wstring id;
    ProjitBloky(zastupce, [&](std::size_t p, std::uint32_t velikost, std::uint32_t podpis) {
        if (podpis == kPodpisUlozisteVlastnosti && id.empty()) id = IdVBloku(zastupce.substr(p + 8, velikost - 8));
    });
    return id;
}

std::string ZapsatIdAplikace(std::string_view zastupce, std::wstring_view id) {
    // One value: size, property number, a reserved byte, then the typed value (type, padding, character count
    // with the terminating zero, the UTF-16 characters padded to whole 4 bytes).
    std::string znaky = Knihovna::KodovatUtf16LE(id);
    znaky.append(2, '\0');
    const std::uint32_t pocetZnaku = static_cast<std::uint32_t>(znaky.size() / 2);
    znaky.append((4 - znaky.size() % 4) % 4, '\0');
    std::string hodnota;
    Pridat(hodnota, static_cast<std::uint32_t>(4 + 4 + 1 + 2 + 2 + 4 + znaky.size()), 4);
    Pridat(hodnota, kVlastnostId, 4);
    hodnota.push_back('\0');
    Pridat(hodnota, kVtLpwstr, 2);
    Pridat(hodnota, 0, 2);
    Pridat(hodnota, pocetZnaku, 4);
    hodnota += znaky;

    std::string uloziste;
    Pridat(uloziste, static_cast<std::uint32_t>(24 + hodnota.size() + 4), 4);
    Pridat(uloziste, kVerzeUloziste, 4);
    uloziste.append(reinterpret_cast<const char*>(kFormatAppUserModel), 16);
    uloziste += hodnota;
    Pridat(uloziste, 0, 4);  // no more values

    std::string blok;
    Pridat(blok, static_cast<std::uint32_t>(8 + uloziste.size() + 4), 4);
    Pridat(blok, kPodpisUlozisteVlastnosti, 4);
    blok += uloziste;
    Pridat(blok, 0, 4);  // no more storages

    // The other blocks stay as they were; an earlier property store gives way to the new one.
    std::string vysledek(zastupce.substr(0, ZacatekBloku(zastupce)));
    const std::size_t konec = ProjitBloky(zastupce, [&](std::size_t p, std::uint32_t velikost, std::uint32_t podpis) {
        if (podpis != kPodpisUlozisteVlastnosti) vysledek += zastupce.substr(p, velikost);
    });
    vysledek += blok;
    vysledek += zastupce.substr(konec);  // the terminal block and anything after it
    return vysledek;
}
