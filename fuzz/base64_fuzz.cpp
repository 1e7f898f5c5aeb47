// Base64: decoding any bytes stays in bounds, and encoding then decoding gives the bytes back.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "email/Base64.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Holvent::Email::Base64 b;
    b.Decode(data, static_cast<std::uint32_t>(size));

    Holvent::Email::Base64 k;
    k.Encode(data, static_cast<std::uint32_t>(size));
    const std::string text(k.EncodedText(), k.TextLength());
    Holvent::Email::Base64 d;
    d.Decode(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()));
    if (d.DataLength() != size || (size > 0 && std::memcmp(d.DecodedData(), data, size) != 0)) std::abort();
    return 0;
}
