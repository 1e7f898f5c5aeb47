#include "camera/PopisPisma.h"

#include <algorithm>

#include "knihovna/KodovaniUtf16.h"

namespace {

void Zapsat32(std::uint8_t* p, std::int32_t hodnota) {
    const auto u = static_cast<std::uint32_t>(hodnota);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t Cist32(const std::uint8_t* p) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

}  // namespace

PopisPisma PopisPisma::Vychozi() {
    PopisPisma p;
    p.NastavitJmenoPisma(L"MS Shell Dlg");
    return p;
}

std::array<std::uint8_t, PopisPisma::kVelikost> PopisPisma::Bajty() const {
    std::array<std::uint8_t, kVelikost> b{};
    const std::int32_t cisla[5] = {vyska, sirka, sklon, orientace, tloustka};
    for (int i = 0; i < 5; ++i) Zapsat32(&b[4 * i], cisla[i]);
    const std::uint8_t bajty[8] = {kurziva,         podtrzeni,     preskrtnuti, znakovaSada,
                                   presnostVystupu, presnostOrezu, kvalita,     roztecARodina};
    for (int i = 0; i < 8; ++i) b[20 + i] = bajty[i];
    for (int i = 0; i < 32; ++i) {
        b[28 + 2 * i] = static_cast<std::uint8_t>(jmeno[i]);
        b[29 + 2 * i] = static_cast<std::uint8_t>(jmeno[i] >> 8);
    }
    return b;
}

PopisPisma PopisPisma::ZBajtu(const std::array<std::uint8_t, kVelikost>& b) {
    PopisPisma p;
    p.vyska = Cist32(&b[0]);
    p.sirka = Cist32(&b[4]);
    p.sklon = Cist32(&b[8]);
    p.orientace = Cist32(&b[12]);
    p.tloustka = Cist32(&b[16]);
    p.kurziva = b[20];
    p.podtrzeni = b[21];
    p.preskrtnuti = b[22];
    p.znakovaSada = b[23];
    p.presnostVystupu = b[24];
    p.presnostOrezu = b[25];
    p.kvalita = b[26];
    p.roztecARodina = b[27];
    for (int i = 0; i < 32; ++i)
        p.jmeno[i] = static_cast<std::uint16_t>(b[28 + 2 * i] | (b[29 + 2 * i] << 8));
    return p;
}

std::wstring PopisPisma::JmenoPisma() const {
    std::string bajty;
    for (std::uint16_t j : jmeno) {
        if (j == 0) break;
        bajty += static_cast<char>(j & 0xFF);
        bajty += static_cast<char>(j >> 8);
    }
    return Knihovna::DekodovatUtf16LE(bajty);
}

void PopisPisma::NastavitJmenoPisma(const std::wstring& jmenoPisma) {
    jmeno.fill(0);
    const std::string bajty = Knihovna::KodovatUtf16LE(jmenoPisma);
    const size_t n = std::min<size_t>(bajty.size() / 2, jmeno.size() - 1);
    for (size_t i = 0; i < n; ++i)
        jmeno[i] = static_cast<std::uint16_t>(static_cast<unsigned char>(bajty[2 * i]) |
                                              (static_cast<unsigned char>(bajty[2 * i + 1]) << 8));
}
