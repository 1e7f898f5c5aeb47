#pragma once

#include <cstdint>
#include <vector>

namespace Holvent::Email {

// RFC 4648 Base64 with reusable buffers that grow in 4096-byte steps.
class Base64 {
public:
    Base64() = default;
    virtual ~Base64() = default;

    virtual void Encode(const char* text);
    virtual void Encode(const std::uint8_t* bajty, std::uint32_t delka);
    virtual void Decode(const char* text);
    virtual void Decode(const std::uint8_t* bajty, std::uint32_t delka);
    // Zero-terminated result of the last Decode.
    virtual const std::uint8_t* DecodedData() const { return data_.data(); }
    // Zero-terminated result of the last Encode.
    virtual const char* EncodedText() const { return reinterpret_cast<const char*>(text_.data()); }
    virtual void ReserveText(std::uint32_t velikost);
    virtual void ReserveData(std::uint32_t velikost);
    // Copies the text without the skipped bytes.
    virtual void SetText(const std::uint8_t* bajty, std::uint32_t delka);
    virtual void SetData(const std::uint8_t* bajty, std::uint32_t delka);
    // Count 1 to 3 bytes from skupina to four alphabet characters (padded with "=").
    virtual void EncodeGroup(const std::uint8_t* skupina, int pocet, char* vystup4);
    // Count 2 to 4 six-bit values to the corresponding bytes (at most 3).
    virtual void DecodeGroup(const std::uint8_t* skupina, int pocet, std::uint8_t* vystup3);
    virtual void Split(const std::uint8_t* vstup3, std::uint8_t* vystup4);
    virtual void Join(const std::uint8_t* vstup4, std::uint8_t* vystup3);
    virtual bool IsSkipped(std::uint8_t bajt) const;

    std::uint32_t DataLength() const { return delkaDat_; }
    std::uint32_t TextLength() const { return delkaTextu_; }
    std::uint32_t DataCapacity() const { return static_cast<std::uint32_t>(data_.size()); }
    std::uint32_t TextCapacity() const { return static_cast<std::uint32_t>(text_.size()); }

private:
    void PostavitTabulku();

    std::vector<std::uint8_t> data_ = std::vector<std::uint8_t>(1, 0);
    std::uint32_t delkaDat_ = 0;
    std::vector<std::uint8_t> text_ = std::vector<std::uint8_t>(1, 0);
    std::uint32_t delkaTextu_ = 0;
    std::uint8_t tabulka_[256] = {};
    bool tabulkaPostavena_ = false;
};

}  // namespace Holvent::Email
