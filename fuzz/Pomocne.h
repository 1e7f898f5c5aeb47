// Shared pieces of the fuzz programs: a fixed clock, a scratch folder in memory, and the decoders the product
// itself never needs (quoted-printable, line-break normalisation).
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "knihovna/Hodiny.h"

namespace FuzzPomocne {

// A clock that never moves: the same input composes the same message.
class PevneHodiny final : public Knihovna::Hodiny {
public:
    Knihovna::MistniCas Ted() const override { return {2026, 12, 6, 5, 7, 3, 9, 0}; }
    std::uint32_t Tiky() const override { return 0x1234; }
};

// A folder of this process under /dev/shm (a RAM disk: files per input stay cheap), removed at exit.
inline const std::filesystem::path& SlozkaProces() {
    static const std::filesystem::path slozka = [] {
        std::filesystem::path p = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        p /= "tervik-fuzz-" + std::to_string(::getpid());
        std::filesystem::create_directories(p);
        static std::filesystem::path uklid;
        uklid = p;
        std::atexit([] {
            std::error_code e;
            std::filesystem::remove_all(uklid, e);
        });
        return p;
    }();
    return slozka;
}

inline void ZapsatSoubor(const std::filesystem::path& cesta, std::string_view bajty) {
    std::ofstream f(cesta, std::ios::binary | std::ios::trunc);
    f.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
}

template <class Text>
Text NormalizovatKonceRadku(const Text& text) {
    // CR, LF and CR LF all become CR LF, as every encoder of the composer writes a line break.
    Text v;
    v.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            v.push_back('\r');
            v.push_back('\n');
        } else {
            v.push_back(text[i]);
        }
    }
    return v;
}

inline int HexHodnota(char z) {
    if (z >= '0' && z <= '9') return z - '0';
    if (z >= 'A' && z <= 'F') return z - 'A' + 10;
    if (z >= 'a' && z <= 'f') return z - 'a' + 10;
    return -1;
}

// Quoted-printable (RFC 2045, 6.7) decoded strictly: "=XX" is a byte, "=" before CR LF a soft break; false for an
// "=" that is neither, or trailing white space on a line (transport strips it, so it must have been escaped).
inline bool DekodovatQp(std::string_view text, std::string& vystup) {
    vystup.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char z = text[i];
        if ((z == ' ' || z == '\t') && (i + 1 == text.size() || text[i + 1] == '\r')) return false;
        if (z != '=') {
            vystup.push_back(z);
            continue;
        }
        if (i + 2 >= text.size()) return false;
        if (text[i + 1] == '\r' && text[i + 2] == '\n') {
            i += 2;
            continue;
        }
        const int h = HexHodnota(text[i + 1]), l = HexHodnota(text[i + 2]);
        if (h < 0 || l < 0) return false;
        vystup.push_back(static_cast<char>(h * 16 + l));
        i += 2;
    }
    return true;
}

}  // namespace FuzzPomocne
