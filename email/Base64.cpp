#include "email/Base64.h"

#include <algorithm>
#include <cstring>

namespace Holvent::Email {

namespace {

constexpr char kAbeceda[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t kNeplatny = 0xFE;
constexpr std::uint8_t kVypln = 0xFF;

// Next multiple of 4096 above the request.
std::size_t ZaokrouhlenaVelikost(std::uint32_t pozadavek) {
    return ((static_cast<std::size_t>(pozadavek) >> 12) + 1) << 12;
}

void Rezervovat(std::vector<std::uint8_t>& buffer, std::uint32_t velikost) {
    const std::size_t potreba = ZaokrouhlenaVelikost(velikost);
    if (buffer.size() < potreba) buffer.resize(potreba);
    std::fill(buffer.begin(), buffer.end(), 0);
}

}  // namespace

void Base64::Encode(const char* text) {
    Encode(reinterpret_cast<const std::uint8_t*>(text), text ? static_cast<std::uint32_t>(std::strlen(text)) : 0);
}

void Base64::Encode(const std::uint8_t* bajty, std::uint32_t delka) {
    SetData(bajty, delka);
    ReserveText(2 * delka);
    std::uint32_t i = 0;
    char* vystup = reinterpret_cast<char*>(text_.data());
    for (; i + 3 <= delkaDat_; i += 3) {
        EncodeGroup(data_.data() + i, 3, vystup + delkaTextu_);
        delkaTextu_ += 4;
    }
    if (i < delkaDat_) {
        EncodeGroup(data_.data() + i, static_cast<int>(delkaDat_ - i), vystup + delkaTextu_);
        delkaTextu_ += 4;
    }
}

void Base64::Decode(const char* text) {
    Decode(reinterpret_cast<const std::uint8_t*>(text), text ? static_cast<std::uint32_t>(std::strlen(text)) : 0);
}

void Base64::Decode(const std::uint8_t* bajty, std::uint32_t delka) {
    PostavitTabulku();
    SetText(bajty, delka);
    ReserveData(delka);
    std::uint8_t skupina[4];
    int pocet = 0;
    int platnych = 0;  // values of the group that are not "=" padding
    auto vydat = [&] {
        DecodeGroup(skupina, platnych, data_.data() + delkaDat_);
        if (platnych >= 2) delkaDat_ += static_cast<std::uint32_t>(platnych - 1);
        pocet = platnych = 0;
    };
    for (std::uint32_t i = 0; i < delkaTextu_; ++i) {
        std::uint8_t hodnota = tabulka_[text_[i]];
        // Characters outside the alphabet carry no bits.
        if (hodnota == kNeplatny) continue;
        if (hodnota == kVypln) {
            // "=" decodes as zero bits and makes no byte of its own.
            skupina[pocet++] = 0;
        } else {
            skupina[pocet++] = hodnota;
            if (pocet == platnych + 1) ++platnych;
        }
        if (pocet == 4) vydat();
    }
    if (pocet > 0) vydat();
}

void Base64::ReserveText(std::uint32_t velikost) {
    Rezervovat(text_, velikost);
    delkaTextu_ = 0;
}

void Base64::ReserveData(std::uint32_t velikost) {
    Rezervovat(data_, velikost);
    delkaDat_ = 0;
}

void Base64::SetText(const std::uint8_t* bajty, std::uint32_t delka) {
    ReserveText(delka);
    for (std::uint32_t i = 0; i < delka; ++i)
        if (!IsSkipped(bajty[i])) text_[delkaTextu_++] = bajty[i];
}

void Base64::SetData(const std::uint8_t* bajty, std::uint32_t delka) {
    ReserveData(delka);
    if (delka > 0) std::memcpy(data_.data(), bajty, delka);
    delkaDat_ = delka;
}

void Base64::EncodeGroup(const std::uint8_t* skupina, int pocet, char* vystup4) {
    std::uint8_t vstup[3] = {0, 0, 0};
    for (int i = 0; i < pocet && i < 3; ++i) vstup[i] = skupina[i];
    std::uint8_t sestice[4];
    Split(vstup, sestice);
    for (int i = 0; i < 4; ++i) vystup4[i] = kAbeceda[sestice[i]];
    if (pocet == 1) vystup4[2] = '=';
    if (pocet <= 2) vystup4[3] = '=';
}

void Base64::DecodeGroup(const std::uint8_t* skupina, int pocet, std::uint8_t* vystup3) {
    std::uint8_t vstup[4] = {0, 0, 0, 0};
    for (int i = 0; i < pocet && i < 4; ++i) vstup[i] = skupina[i];
    std::uint8_t bajty[3];
    Join(vstup, bajty);
    for (int i = 0; i < pocet - 1 && i < 3; ++i) vystup3[i] = bajty[i];
}

void Base64::Split(const std::uint8_t* vstup3, std::uint8_t* vystup4) {
    vystup4[0] = vstup3[0] >> 2;
    vystup4[1] = static_cast<std::uint8_t>(((vstup3[0] & 0x03) << 4) | (vstup3[1] >> 4));
    vystup4[2] = static_cast<std::uint8_t>(((vstup3[1] & 0x0F) << 2) | (vstup3[2] >> 6));
    vystup4[3] = vstup3[2] & 0x3F;
}

void Base64::Join(const std::uint8_t* vstup4, std::uint8_t* vystup3) {
    vystup3[0] = static_cast<std::uint8_t>((vstup4[0] << 2) | (vstup4[1] >> 4));
    vystup3[1] = static_cast<std::uint8_t>((vstup4[1] << 4) | (vstup4[2] >> 2));
    vystup3[2] = static_cast<std::uint8_t>((vstup4[2] << 6) | vstup4[3]);
}

bool Base64::IsSkipped(std::uint8_t bajt) const {
    return (bajt >= 7 && bajt <= 13) || bajt == ' ';
}

void Base64::PostavitTabulku() {
    if (tabulkaPostavena_) return;
    std::fill(std::begin(tabulka_), std::end(tabulka_), kNeplatny);
    for (int i = 0; i < 64; ++i) {
        const auto z = static_cast<std::uint8_t>(kAbeceda[i]);
        tabulka_[z] = static_cast<std::uint8_t>(i);
        tabulka_[z | 0x80] = static_cast<std::uint8_t>(i);
    }
    tabulka_[static_cast<std::uint8_t>('=')] = kVypln;
    tabulka_[static_cast<std::uint8_t>('=') | 0x80] = kVypln;
    tabulkaPostavena_ = true;
}

}  // namespace Holvent::Email
