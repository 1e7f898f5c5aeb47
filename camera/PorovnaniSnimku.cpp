#include "camera/PorovnaniSnimku.h"

#include <atomic>
#include <cstring>

#include "camera/MaskaPohybu.h"

#if defined(__x86_64__) || defined(_M_X64)
#define TERVIK_X86 1
#include <immintrin.h>
#endif

namespace {

constexpr unsigned kVahy[3] = {30, 59, 11};

inline std::uint8_t SedaPixelu(const std::uint8_t* p) {
    return static_cast<std::uint8_t>((kVahy[0] * p[0] + kVahy[1] * p[1] + kVahy[2] * p[2]) / 100u);
}

// The plain loops; each reads a whole pixel before writing it, so zdroj may equal cil.
void SedaProsta(const std::uint8_t* zdroj, std::uint8_t* cil, std::size_t od, std::size_t po) {
    for (std::size_t i = od; i < po; ++i) {
        const std::uint8_t g = SedaPixelu(zdroj + 3 * i);
        cil[3 * i] = cil[3 * i + 1] = cil[3 * i + 2] = g;
    }
}

void JasProsty(const std::uint8_t* zdroj, std::uint8_t* jas, std::size_t od, std::size_t po) {
    for (std::size_t i = od; i < po; ++i) jas[i] = SedaPixelu(zdroj + 3 * i);
}

// propust (null: every pixel counts) holds a byte per pixel from od on: 0 masks the pixel.
std::uint32_t MaskaProsta(const std::uint8_t* zdroj, const std::uint8_t* jas, std::uint8_t* cil, std::size_t od,
                          std::size_t po, std::uint8_t rozdilJasu, const std::uint8_t* propust = nullptr) {
    std::uint32_t pocet = 0;
    for (std::size_t i = od; i < po; ++i) {
        const int g = SedaPixelu(zdroj + 3 * i);
        const int d = g >= jas[i] ? g - jas[i] : jas[i] - g;
        const bool zmena = d >= rozdilJasu && (!propust || propust[i - od]);
        pocet += zmena;
        cil[3 * i] = cil[3 * i + 1] = cil[3 * i + 2] = zmena ? 255 : 0;
    }
    return pocet;
}

#ifdef TERVIK_X86

// x / 100 for every x in 0..25500 is exactly (x * 5243) >> 19: the error 12x / (100 * 2^19) stays below
// 1/100 in that range. In 16-bit lanes that is the high half of the product shifted by 3.
constexpr short kMagie100 = 5243;

// Both vector paths load windows of 4 whole pixels (16 bytes from a pixel's start); a byte shuffle puts
// blue/green pairs and red/zero pairs side by side and one multiply-add gives 30b+59g and 11r; their sum
// divided by 100 is the grey of 8 pixels per 128 bits. The grey bytes are compared with the reference
// grey, one byte per pixel, and the resulting mask bytes are spread to three bytes each.
// The mask of 16 (32) pixels sums to 255 per changed pixel: psadbw against zero counts them.

// ---------------------------------------------------------------- SSSE3, 16 pixels per step
#define TERVIK_SSSE3 __attribute__((target("ssse3"), always_inline)) inline

// The last window of a step reads 4 bytes past the step's 16 pixels.
constexpr std::size_t kOkrajSsse3 = 18;

TERVIK_SSSE3 __m128i OknoSsse3(const std::uint8_t* p, __m128i rozlozeni, __m128i vahy) {
    return _mm_maddubs_epi16(_mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), rozlozeni), vahy);
}

// The grey of 16 pixels from p, as bytes in pixel order.
TERVIK_SSSE3 __m128i SedaSsse3(const std::uint8_t* p) {
    const __m128i rozlozeni = _mm_setr_epi8(0, 1, 3, 4, 6, 7, 9, 10, 2, -1, 5, -1, 8, -1, 11, -1);
    const __m128i vahy = _mm_setr_epi8(30, 59, 30, 59, 30, 59, 30, 59, 11, 0, 11, 0, 11, 0, 11, 0);
    const __m128i magie = _mm_set1_epi16(kMagie100);
    const __m128i a = OknoSsse3(p, rozlozeni, vahy), b = OknoSsse3(p + 12, rozlozeni, vahy);
    const __m128i c = OknoSsse3(p + 24, rozlozeni, vahy), d = OknoSsse3(p + 36, rozlozeni, vahy);
    __m128i ab = _mm_add_epi16(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b));  // pixels 0-7
    __m128i cd = _mm_add_epi16(_mm_unpacklo_epi64(c, d), _mm_unpackhi_epi64(c, d));  // pixels 8-15
    ab = _mm_srli_epi16(_mm_mulhi_epu16(ab, magie), 3);
    cd = _mm_srli_epi16(_mm_mulhi_epu16(cd, magie), 3);
    return _mm_packus_epi16(ab, cd);
}

// Each of 16 bytes three times: 48 bytes in pixel order.
TERVIK_SSSE3 void RoztahnoutSsse3(__m128i g, __m128i* c) {
    const __m128i e0 = _mm_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);
    const __m128i e1 = _mm_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);
    const __m128i e2 = _mm_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15);
    _mm_storeu_si128(c, _mm_shuffle_epi8(g, e0));
    _mm_storeu_si128(c + 1, _mm_shuffle_epi8(g, e1));
    _mm_storeu_si128(c + 2, _mm_shuffle_epi8(g, e2));
}

TERVIK_SSSE3 __m128i MaskaSsse3(__m128i g, const std::uint8_t* r, __m128i prah) {
    const __m128i ref = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r));
    const __m128i d = _mm_or_si128(_mm_subs_epu8(g, ref), _mm_subs_epu8(ref, g));
    return _mm_cmpeq_epi8(_mm_max_epu8(d, prah), d);
}

__attribute__((target("ssse3"))) void SedaSsse3Rozsah(const std::uint8_t* zdroj, std::uint8_t* cil, std::size_t n) {
    std::size_t i = 0;
    for (; i + kOkrajSsse3 <= n; i += 16)
        RoztahnoutSsse3(SedaSsse3(zdroj + 3 * i), reinterpret_cast<__m128i*>(cil + 3 * i));
    SedaProsta(zdroj, cil, i, n);
}

__attribute__((target("ssse3"))) void JasSsse3Rozsah(const std::uint8_t* zdroj, std::uint8_t* jas, std::size_t n) {
    std::size_t i = 0;
    for (; i + kOkrajSsse3 <= n; i += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(jas + i), SedaSsse3(zdroj + 3 * i));
    JasProsty(zdroj, jas, i, n);
}

// Pixels od to po of a frame of mez pixels: the windows of a step may read past po while they stay inside the
// frame, so a row of a masked compare needs no plain tail when its width is a multiple of the step.
template <bool kPropust>
__attribute__((target("ssse3"))) std::uint32_t MaskaSsse3Rozsah(const std::uint8_t* zdroj, const std::uint8_t* jas,
                                                                std::uint8_t* cil, std::size_t od, std::size_t po,
                                                                std::size_t mez, std::uint8_t rozdilJasu,
                                                                const std::uint8_t* propust) {
    const __m128i prah = _mm_set1_epi8(static_cast<char>(rozdilJasu));
    const __m128i nula = _mm_setzero_si128();
    __m128i soucet = nula;
    std::size_t i = od;
    for (; i + 16 <= po && i + kOkrajSsse3 <= mez; i += 16) {
        __m128i m = MaskaSsse3(SedaSsse3(zdroj + 3 * i), jas + i, prah);
        if constexpr (kPropust)
            m = _mm_and_si128(m, _mm_loadu_si128(reinterpret_cast<const __m128i*>(propust + (i - od))));
        RoztahnoutSsse3(m, reinterpret_cast<__m128i*>(cil + 3 * i));
        soucet = _mm_add_epi64(soucet, _mm_sad_epu8(m, nula));
    }
    const std::uint64_t celkem = static_cast<std::uint64_t>(_mm_cvtsi128_si64(soucet)) +
                                 static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(soucet, soucet)));
    return static_cast<std::uint32_t>(celkem / 255u) +
           MaskaProsta(zdroj, jas, cil, i, po, rozdilJasu, kPropust ? propust + (i - od) : nullptr);
}

// Black for the pixels od to po (a run of rows masked whole), in the path's own instructions: a library memset
// there may leave the upper halves of the vector registers dirty, which slows every SSE instruction after it.
__attribute__((target("ssse3"))) void CernaSsse3(std::uint8_t* cil, std::size_t od, std::size_t po) {
    std::uint8_t* p = cil + 3 * od;
    std::uint8_t* const konec = cil + 3 * po;
    for (; p + 16 <= konec; p += 16) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_setzero_si128());
    for (; p < konec; ++p) *p = 0;
}

// ---------------------------------------------------------------- AVX2, 32 pixels per step
// The same with two windows per register.
#define TERVIK_AVX2 __attribute__((target("avx2"), always_inline)) inline

// The last window of a step reads 4 bytes past the step's 32 pixels.
constexpr std::size_t kOkrajAvx2 = 34;

TERVIK_AVX2 __m256i Okna(const std::uint8_t* p, int a, int b) {
    return _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 3 * a))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 3 * b)), 1);
}

// The grey of 32 pixels from p, as bytes in pixel order.
TERVIK_AVX2 __m256i SedaAvx2(const std::uint8_t* p) {
    const __m256i rozlozeni = _mm256_setr_epi8(0, 1, 3, 4, 6, 7, 9, 10, 2, -1, 5, -1, 8, -1, 11, -1,
                                               0, 1, 3, 4, 6, 7, 9, 10, 2, -1, 5, -1, 8, -1, 11, -1);
    const __m256i vahy = _mm256_setr_epi8(30, 59, 30, 59, 30, 59, 30, 59, 11, 0, 11, 0, 11, 0, 11, 0,
                                          30, 59, 30, 59, 30, 59, 30, 59, 11, 0, 11, 0, 11, 0, 11, 0);
    const __m256i magie = _mm256_set1_epi16(kMagie100);
    // Lanes: a = pixels 0-3 | 8-11, b = 4-7 | 12-15, c = 16-19 | 24-27, d = 20-23 | 28-31.
    const __m256i a = _mm256_maddubs_epi16(_mm256_shuffle_epi8(Okna(p, 0, 8), rozlozeni), vahy);
    const __m256i b = _mm256_maddubs_epi16(_mm256_shuffle_epi8(Okna(p, 4, 12), rozlozeni), vahy);
    const __m256i c = _mm256_maddubs_epi16(_mm256_shuffle_epi8(Okna(p, 16, 24), rozlozeni), vahy);
    const __m256i d = _mm256_maddubs_epi16(_mm256_shuffle_epi8(Okna(p, 20, 28), rozlozeni), vahy);
    __m256i ab = _mm256_add_epi16(_mm256_unpacklo_epi64(a, b), _mm256_unpackhi_epi64(a, b));  // 0-7 | 8-15
    __m256i cd = _mm256_add_epi16(_mm256_unpacklo_epi64(c, d), _mm256_unpackhi_epi64(c, d));  // 16-23 | 24-31
    ab = _mm256_srli_epi16(_mm256_mulhi_epu16(ab, magie), 3);
    cd = _mm256_srli_epi16(_mm256_mulhi_epu16(cd, magie), 3);
    // The pack gives 0-7, 16-23 | 8-15, 24-31.
    return _mm256_permute4x64_epi64(_mm256_packus_epi16(ab, cd), _MM_SHUFFLE(3, 1, 2, 0));
}

// Each of 32 bytes three times: 96 bytes in pixel order.
TERVIK_AVX2 void RoztahnoutAvx2(__m256i g, __m256i* c) {
    const __m256i e0 = _mm256_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5,
                                        0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);
    const __m256i e1 = _mm256_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10,
                                        5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);
    const __m256i e2 = _mm256_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15,
                                        10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15);
    const __m256i r0 = _mm256_shuffle_epi8(g, e0);  // bytes 0-15 | 48-63
    const __m256i r1 = _mm256_shuffle_epi8(g, e1);  // 16-31 | 64-79
    const __m256i r2 = _mm256_shuffle_epi8(g, e2);  // 32-47 | 80-95
    _mm256_storeu_si256(c, _mm256_permute2x128_si256(r0, r1, 0x20));
    _mm256_storeu_si256(c + 1, _mm256_permute2x128_si256(r2, r0, 0x30));
    _mm256_storeu_si256(c + 2, _mm256_permute2x128_si256(r1, r2, 0x31));
}

TERVIK_AVX2 __m256i MaskaAvx2(__m256i g, const std::uint8_t* r, __m256i prah) {
    const __m256i ref = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r));
    const __m256i d = _mm256_or_si256(_mm256_subs_epu8(g, ref), _mm256_subs_epu8(ref, g));
    return _mm256_cmpeq_epi8(_mm256_max_epu8(d, prah), d);
}

__attribute__((target("avx2"))) void SedaAvx2Rozsah(const std::uint8_t* zdroj, std::uint8_t* cil, std::size_t n) {
    std::size_t i = 0;
    for (; i + kOkrajAvx2 <= n; i += 32)
        RoztahnoutAvx2(SedaAvx2(zdroj + 3 * i), reinterpret_cast<__m256i*>(cil + 3 * i));
    SedaProsta(zdroj, cil, i, n);
}

__attribute__((target("avx2"))) void JasAvx2Rozsah(const std::uint8_t* zdroj, std::uint8_t* jas, std::size_t n) {
    std::size_t i = 0;
    for (; i + kOkrajAvx2 <= n; i += 32)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(jas + i), SedaAvx2(zdroj + 3 * i));
    JasProsty(zdroj, jas, i, n);
}

template <bool kPropust>
__attribute__((target("avx2"))) std::uint32_t MaskaAvx2Rozsah(const std::uint8_t* zdroj, const std::uint8_t* jas,
                                                              std::uint8_t* cil, std::size_t od, std::size_t po,
                                                              std::size_t mez, std::uint8_t rozdilJasu,
                                                              const std::uint8_t* propust) {
    const __m256i prah = _mm256_set1_epi8(static_cast<char>(rozdilJasu));
    const __m256i nula = _mm256_setzero_si256();
    __m256i soucet = nula;
    std::size_t i = od;
    for (; i + 32 <= po && i + kOkrajAvx2 <= mez; i += 32) {
        __m256i m = MaskaAvx2(SedaAvx2(zdroj + 3 * i), jas + i, prah);
        if constexpr (kPropust)
            m = _mm256_and_si256(m, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(propust + (i - od))));
        RoztahnoutAvx2(m, reinterpret_cast<__m256i*>(cil + 3 * i));
        soucet = _mm256_add_epi64(soucet, _mm256_sad_epu8(m, nula));
    }
    const __m128i polovina = _mm_add_epi64(_mm256_castsi256_si128(soucet), _mm256_extracti128_si256(soucet, 1));
    const std::uint64_t celkem = static_cast<std::uint64_t>(_mm_cvtsi128_si64(polovina)) +
                                 static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(polovina, polovina)));
    return static_cast<std::uint32_t>(celkem / 255u) +
           MaskaProsta(zdroj, jas, cil, i, po, rozdilJasu, kPropust ? propust + (i - od) : nullptr);
}

__attribute__((target("avx2"))) void CernaAvx2(std::uint8_t* cil, std::size_t od, std::size_t po) {
    std::uint8_t* p = cil + 3 * od;
    std::uint8_t* const konec = cil + 3 * po;
    for (; p + 32 <= konec; p += 32) _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm256_setzero_si256());
    for (; p < konec; ++p) *p = 0;
}

#endif  // TERVIK_X86

constexpr int kAutomaticky = -1;
std::atomic<int> vynucenaCesta{kAutomaticky};

CestaPorovnani ZjistitNejlepsiCestu() {
#ifdef TERVIK_X86
    __builtin_cpu_init();
    // The check includes the operating system's support of the 256-bit registers.
    if (__builtin_cpu_supports("avx2")) return CestaPorovnani::Avx2;
    if (__builtin_cpu_supports("ssse3")) return CestaPorovnani::Ssse3;
#endif
    return CestaPorovnani::Prosta;
}

}  // namespace

void PrevestNaSedou(std::uint8_t* data, std::size_t pocetPixelu) {
    switch (AktualniCesta()) {
#ifdef TERVIK_X86
    case CestaPorovnani::Avx2: return SedaAvx2Rozsah(data, data, pocetPixelu);
    case CestaPorovnani::Ssse3: return SedaSsse3Rozsah(data, data, pocetPixelu);
#endif
    default: return SedaProsta(data, data, 0, pocetPixelu);
    }
}

void JasSnimku(const std::uint8_t* snimek, std::uint8_t* jas, std::size_t pocetPixelu) {
    switch (AktualniCesta()) {
#ifdef TERVIK_X86
    case CestaPorovnani::Avx2: return JasAvx2Rozsah(snimek, jas, pocetPixelu);
    case CestaPorovnani::Ssse3: return JasSsse3Rozsah(snimek, jas, pocetPixelu);
#endif
    default: return JasProsty(snimek, jas, 0, pocetPixelu);
    }
}

namespace {

// Pixels od to po of a frame of mez pixels on the current path; propust null counts every one.
std::uint32_t PorovnatRozsah(const std::uint8_t* snimek, const std::uint8_t* jas, std::uint8_t* aktualni,
                             std::size_t od, std::size_t po, std::size_t mez, std::uint8_t rozdilJasu,
                             const std::uint8_t* propust) {
    switch (AktualniCesta()) {
#ifdef TERVIK_X86
    case CestaPorovnani::Avx2:
        return propust ? MaskaAvx2Rozsah<true>(snimek, jas, aktualni, od, po, mez, rozdilJasu, propust)
                       : MaskaAvx2Rozsah<false>(snimek, jas, aktualni, od, po, mez, rozdilJasu, nullptr);
    case CestaPorovnani::Ssse3:
        return propust ? MaskaSsse3Rozsah<true>(snimek, jas, aktualni, od, po, mez, rozdilJasu, propust)
                       : MaskaSsse3Rozsah<false>(snimek, jas, aktualni, od, po, mez, rozdilJasu, nullptr);
#endif
    default: return MaskaProsta(snimek, jas, aktualni, od, po, rozdilJasu, propust);
    }
}

void CernaRozsah(std::uint8_t* aktualni, std::size_t od, std::size_t po) {
    switch (AktualniCesta()) {
#ifdef TERVIK_X86
    case CestaPorovnani::Avx2: return CernaAvx2(aktualni, od, po);
    case CestaPorovnani::Ssse3: return CernaSsse3(aktualni, od, po);
#endif
    default: std::memset(aktualni + 3 * od, 0, 3 * (po - od));
    }
}

}  // namespace

std::uint32_t KopirovatAPorovnat(const std::uint8_t* snimek, const std::uint8_t* jasReference, std::uint8_t* aktualni,
                                 std::size_t pocetPixelu, std::uint8_t rozdilJasu) {
    return PorovnatRozsah(snimek, jasReference, aktualni, 0, pocetPixelu, pocetPixelu, rozdilJasu, nullptr);
}

std::uint32_t KopirovatAPorovnatSMaskou(const std::uint8_t* snimek, const std::uint8_t* jasReference,
                                        std::uint8_t* aktualni, std::size_t sirka, std::size_t vyska,
                                        const std::uint8_t* vzory, const std::uint8_t* vzorRadku,
                                        std::uint8_t rozdilJasu) {
    const std::size_t mez = sirka * vyska;
    std::uint32_t pocet = 0;
    for (std::size_t y = 0; y < vyska;) {
        // Neighbouring rows that count whole, or are masked whole, go in one run.
        const std::uint8_t druh = vzorRadku[y];
        std::size_t konec = y + 1;
        if (druh == kRadekCely || druh == kRadekZakryty)
            while (konec < vyska && vzorRadku[konec] == druh) ++konec;
        const std::size_t od = y * sirka, po = konec * sirka;
        if (druh == kRadekZakryty)
            CernaRozsah(aktualni, od, po);
        else
            pocet += PorovnatRozsah(snimek, jasReference, aktualni, od, po, mez, rozdilJasu,
                                    druh == kRadekCely ? nullptr : vzory + druh * sirka);
        y = konec;
    }
    return pocet;
}

std::uint32_t Porovnat(const std::uint8_t* jasReference, std::uint8_t* aktualni, std::size_t pocetPixelu,
                       std::uint8_t rozdilJasu) {
    // Every path reads a step's pixels before it writes them.
    return KopirovatAPorovnat(aktualni, jasReference, aktualni, pocetPixelu, rozdilJasu);
}

CestaPorovnani NejlepsiCesta() {
    static const CestaPorovnani nejlepsi = ZjistitNejlepsiCestu();
    return nejlepsi;
}

bool CestaDostupna(CestaPorovnani cesta) {
    const CestaPorovnani nejlepsi = NejlepsiCesta();
    switch (cesta) {
    case CestaPorovnani::Prosta: return true;
    case CestaPorovnani::Ssse3: return nejlepsi != CestaPorovnani::Prosta;
    case CestaPorovnani::Avx2: return nejlepsi == CestaPorovnani::Avx2;
    }
    return false;
}

void VynutitCestu(std::optional<CestaPorovnani> cesta) {
    vynucenaCesta.store(cesta && CestaDostupna(*cesta) ? static_cast<int>(*cesta) : kAutomaticky,
                        std::memory_order_relaxed);
}

CestaPorovnani AktualniCesta() {
    const int vynucena = vynucenaCesta.load(std::memory_order_relaxed);
    return vynucena == kAutomaticky ? NejlepsiCesta() : static_cast<CestaPorovnani>(vynucena);
}
