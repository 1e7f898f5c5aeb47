#include "camera/PorovnaniSnimku.h"

#include <atomic>

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

std::uint32_t MaskaProsta(const std::uint8_t* zdroj, const std::uint8_t* reference, std::uint8_t* cil,
                          std::size_t od, std::size_t po, std::uint8_t rozdilJasu) {
    std::uint32_t pocet = 0;
    for (std::size_t i = od; i < po; ++i) {
        const int g = SedaPixelu(zdroj + 3 * i);
        const int d = g >= reference[3 * i] ? g - reference[3 * i] : reference[3 * i] - g;
        const bool zmena = d >= rozdilJasu;
        pocet += zmena;
        cil[3 * i] = cil[3 * i + 1] = cil[3 * i + 2] = zmena ? 255 : 0;
    }
    return pocet;
}

#ifdef TERVIK_X86

// x / 100 for every x in 0..25500 is exactly (x * 5243) >> 19: the error 12x / (100 * 2^19) stays below
// 1/100 in that range. In 16-bit lanes that is the high half of the product shifted by 3.
constexpr short kMagie100 = 5243;

// ---------------------------------------------------------------- SSE2
// Without a byte shuffle the frame stays interleaved: every byte gets the weighted sum of its own pixel,
// built from five loads shifted by -2..+2 bytes, each multiplied by weights that depend on the byte's
// place in its pixel (zero for bytes of a neighbouring pixel). 48 bytes (16 pixels) per step, so the
// three 16-byte vectors have the three phases 0, 1, 2.
struct VahySse2 {
    alignas(16) std::uint16_t v[3][5][16];
    constexpr VahySse2() : v{} {
        for (int vektor = 0; vektor < 3; ++vektor)
            for (int k = 0; k < 5; ++k)
                for (int j = 0; j < 16; ++j) {
                    const int misto = (16 * vektor + j) % 3 + (k - 2);
                    v[vektor][k][j] = (misto >= 0 && misto <= 2) ? static_cast<std::uint16_t>(kVahy[misto]) : 0;
                }
    }
};
constexpr VahySse2 kVahySse2;

inline __m128i SedaSse2(const std::uint8_t* p, int vektor) {
    const __m128i nula = _mm_setzero_si128();
    __m128i dolni = nula, horni = nula;
    for (int k = 0; k < 5; ++k) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k - 2));
        const __m128i* w = reinterpret_cast<const __m128i*>(kVahySse2.v[vektor][k]);
        dolni = _mm_add_epi16(dolni, _mm_mullo_epi16(_mm_unpacklo_epi8(x, nula), _mm_load_si128(w)));
        horni = _mm_add_epi16(horni, _mm_mullo_epi16(_mm_unpackhi_epi8(x, nula), _mm_load_si128(w + 1)));
    }
    const __m128i magie = _mm_set1_epi16(kMagie100);
    dolni = _mm_srli_epi16(_mm_mulhi_epu16(dolni, magie), 3);
    horni = _mm_srli_epi16(_mm_mulhi_epu16(horni, magie), 3);
    return _mm_packus_epi16(dolni, horni);
}

// The first pixel and the last ones go to the plain loop: the shifted loads reach 2 bytes before and
// 17 after a step. In place is safe: the bytes read from an already written pixel get weight zero.
constexpr std::size_t kOkrajSse2 = 17;

void SedaSse2Rozsah(const std::uint8_t* zdroj, std::uint8_t* cil, std::size_t n) {
    if (n < kOkrajSse2 + 1) return SedaProsta(zdroj, cil, 0, n);
    SedaProsta(zdroj, cil, 0, 1);
    std::size_t i = 1;
    for (; i + kOkrajSse2 <= n; i += 16) {
        const std::uint8_t* z = zdroj + 3 * i;
        __m128i* c = reinterpret_cast<__m128i*>(cil + 3 * i);
        const __m128i g0 = SedaSse2(z, 0), g1 = SedaSse2(z + 16, 1), g2 = SedaSse2(z + 32, 2);
        _mm_storeu_si128(c, g0);
        _mm_storeu_si128(c + 1, g1);
        _mm_storeu_si128(c + 2, g2);
    }
    SedaProsta(zdroj, cil, i, n);
}

inline __m128i MaskaSse2(__m128i g, __m128i r, __m128i prah) {
    const __m128i d = _mm_or_si128(_mm_subs_epu8(g, r), _mm_subs_epu8(r, g));
    return _mm_cmpeq_epi8(_mm_max_epu8(d, prah), d);
}

std::uint32_t MaskaSse2Rozsah(const std::uint8_t* zdroj, const std::uint8_t* reference, std::uint8_t* cil,
                              std::size_t n, std::uint8_t rozdilJasu) {
    if (n < kOkrajSse2 + 1) return MaskaProsta(zdroj, reference, cil, 0, n, rozdilJasu);
    std::uint32_t pocet = MaskaProsta(zdroj, reference, cil, 0, 1, rozdilJasu);
    const __m128i prah = _mm_set1_epi8(static_cast<char>(rozdilJasu));
    const __m128i nula = _mm_setzero_si128();
    __m128i soucet = nula;  // 255 per white byte, three bytes per pixel
    std::size_t i = 1;
    for (; i + kOkrajSse2 <= n; i += 16) {
        const std::uint8_t* z = zdroj + 3 * i;
        const __m128i* r = reinterpret_cast<const __m128i*>(reference + 3 * i);
        __m128i* c = reinterpret_cast<__m128i*>(cil + 3 * i);
        const __m128i g0 = SedaSse2(z, 0), g1 = SedaSse2(z + 16, 1), g2 = SedaSse2(z + 32, 2);
        const __m128i m0 = MaskaSse2(g0, _mm_loadu_si128(r), prah);
        const __m128i m1 = MaskaSse2(g1, _mm_loadu_si128(r + 1), prah);
        const __m128i m2 = MaskaSse2(g2, _mm_loadu_si128(r + 2), prah);
        _mm_storeu_si128(c, m0);
        _mm_storeu_si128(c + 1, m1);
        _mm_storeu_si128(c + 2, m2);
        soucet = _mm_add_epi64(soucet, _mm_sad_epu8(m0, nula));
        soucet = _mm_add_epi64(soucet, _mm_sad_epu8(m1, nula));
        soucet = _mm_add_epi64(soucet, _mm_sad_epu8(m2, nula));
    }
    alignas(16) std::uint64_t casti[2];
    _mm_store_si128(reinterpret_cast<__m128i*>(casti), soucet);
    pocet += static_cast<std::uint32_t>((casti[0] + casti[1]) / (255u * 3u));
    return pocet + MaskaProsta(zdroj, reference, cil, i, n, rozdilJasu);
}

// ---------------------------------------------------------------- AVX2
// 32 pixels per step. Windows of 4 whole pixels are loaded (16 bytes from a pixel's start, two windows
// per register), a byte shuffle puts blue/green pairs and red/zero pairs side by side and one multiply-add
// gives 30b+59g and 11r; their sum divided by 100 is the grey of 16 pixels per register. The 32 grey bytes
// are then spread to three bytes each and compared with the reference byte by byte, which is grey in all
// three bytes of a pixel as well.
#define TERVIK_AVX2 __attribute__((target("avx2"), always_inline)) inline

// A window reads 4 bytes past its 4 pixels: the last window of a step ends 4 bytes after the step.
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

// Each grey byte three times: 96 bytes in pixel order.
TERVIK_AVX2 void Roztahnout(__m256i g, __m256i& y0, __m256i& y1, __m256i& y2) {
    const __m256i e0 = _mm256_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5,
                                        0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);
    const __m256i e1 = _mm256_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10,
                                        5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);
    const __m256i e2 = _mm256_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15,
                                        10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15);
    const __m256i r0 = _mm256_shuffle_epi8(g, e0);  // bytes 0-15 | 48-63
    const __m256i r1 = _mm256_shuffle_epi8(g, e1);  // 16-31 | 64-79
    const __m256i r2 = _mm256_shuffle_epi8(g, e2);  // 32-47 | 80-95
    y0 = _mm256_permute2x128_si256(r0, r1, 0x20);
    y1 = _mm256_permute2x128_si256(r2, r0, 0x30);
    y2 = _mm256_permute2x128_si256(r1, r2, 0x31);
}

TERVIK_AVX2 __m256i MaskaAvx2(__m256i g, const std::uint8_t* r, __m256i prah) {
    const __m256i ref = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r));
    const __m256i d = _mm256_or_si256(_mm256_subs_epu8(g, ref), _mm256_subs_epu8(ref, g));
    return _mm256_cmpeq_epi8(_mm256_max_epu8(d, prah), d);
}

__attribute__((target("avx2"))) void SedaAvx2Rozsah(const std::uint8_t* zdroj, std::uint8_t* cil, std::size_t n) {
    std::size_t i = 0;
    for (; i + kOkrajAvx2 <= n; i += 32) {
        __m256i y0, y1, y2;
        Roztahnout(SedaAvx2(zdroj + 3 * i), y0, y1, y2);
        __m256i* c = reinterpret_cast<__m256i*>(cil + 3 * i);
        _mm256_storeu_si256(c, y0);
        _mm256_storeu_si256(c + 1, y1);
        _mm256_storeu_si256(c + 2, y2);
    }
    SedaProsta(zdroj, cil, i, n);
}

__attribute__((target("avx2"))) std::uint32_t MaskaAvx2Rozsah(const std::uint8_t* zdroj,
                                                              const std::uint8_t* reference, std::uint8_t* cil,
                                                              std::size_t n, std::uint8_t rozdilJasu) {
    const __m256i prah = _mm256_set1_epi8(static_cast<char>(rozdilJasu));
    const __m256i nula = _mm256_setzero_si256();
    __m256i soucet = nula;  // 255 per white byte, three bytes per pixel
    std::size_t i = 0;
    for (; i + kOkrajAvx2 <= n; i += 32) {
        __m256i y0, y1, y2;
        Roztahnout(SedaAvx2(zdroj + 3 * i), y0, y1, y2);
        const std::uint8_t* r = reference + 3 * i;
        const __m256i m0 = MaskaAvx2(y0, r, prah);
        const __m256i m1 = MaskaAvx2(y1, r + 32, prah);
        const __m256i m2 = MaskaAvx2(y2, r + 64, prah);
        __m256i* c = reinterpret_cast<__m256i*>(cil + 3 * i);
        _mm256_storeu_si256(c, m0);
        _mm256_storeu_si256(c + 1, m1);
        _mm256_storeu_si256(c + 2, m2);
        soucet = _mm256_add_epi64(soucet, _mm256_sad_epu8(m0, nula));
        soucet = _mm256_add_epi64(soucet, _mm256_sad_epu8(m1, nula));
        soucet = _mm256_add_epi64(soucet, _mm256_sad_epu8(m2, nula));
    }
    const __m128i polovina = _mm_add_epi64(_mm256_castsi256_si128(soucet), _mm256_extracti128_si256(soucet, 1));
    const std::uint64_t celkem = static_cast<std::uint64_t>(_mm_cvtsi128_si64(polovina)) +
                                 static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(polovina, polovina)));
    return static_cast<std::uint32_t>(celkem / (255u * 3u)) + MaskaProsta(zdroj, reference, cil, i, n, rozdilJasu);
}

#endif  // TERVIK_X86

constexpr int kAutomaticky = -1;
std::atomic<int> vynucenaCesta{kAutomaticky};

CestaPorovnani ZjistitNejlepsiCestu() {
#ifdef TERVIK_X86
    __builtin_cpu_init();
    // The check includes the operating system's support of the 256-bit registers.
    if (__builtin_cpu_supports("avx2")) return CestaPorovnani::Avx2;
    return CestaPorovnani::Sse2;
#else
    return CestaPorovnani::Prosta;
#endif
}

void Seda(const std::uint8_t* zdroj, std::uint8_t* cil, std::size_t n) {
    switch (AktualniCesta()) {
#ifdef TERVIK_X86
    case CestaPorovnani::Avx2: return SedaAvx2Rozsah(zdroj, cil, n);
    case CestaPorovnani::Sse2: return SedaSse2Rozsah(zdroj, cil, n);
#endif
    default: return SedaProsta(zdroj, cil, 0, n);
    }
}

std::uint32_t Maska(const std::uint8_t* zdroj, const std::uint8_t* reference, std::uint8_t* cil, std::size_t n,
                    std::uint8_t rozdilJasu) {
    switch (AktualniCesta()) {
#ifdef TERVIK_X86
    case CestaPorovnani::Avx2: return MaskaAvx2Rozsah(zdroj, reference, cil, n, rozdilJasu);
    case CestaPorovnani::Sse2: return MaskaSse2Rozsah(zdroj, reference, cil, n, rozdilJasu);
#endif
    default: return MaskaProsta(zdroj, reference, cil, 0, n, rozdilJasu);
    }
}

}  // namespace

void PrevestNaSedou(std::uint8_t* data, std::size_t pocetPixelu) { Seda(data, data, pocetPixelu); }

std::uint32_t Porovnat(const std::uint8_t* reference, std::uint8_t* aktualni, std::size_t pocetPixelu,
                       std::uint8_t rozdilJasu) {
    return Maska(aktualni, reference, aktualni, pocetPixelu, rozdilJasu);
}

std::uint32_t KopirovatAPorovnat(const std::uint8_t* snimek, const std::uint8_t* reference, std::uint8_t* aktualni,
                                 std::size_t pocetPixelu, std::uint8_t rozdilJasu) {
    return Maska(snimek, reference, aktualni, pocetPixelu, rozdilJasu);
}

void KopirovatNaSedou(const std::uint8_t* snimek, std::uint8_t* cil, std::size_t pocetPixelu) {
    Seda(snimek, cil, pocetPixelu);
}

CestaPorovnani NejlepsiCesta() {
    static const CestaPorovnani nejlepsi = ZjistitNejlepsiCestu();
    return nejlepsi;
}

bool CestaDostupna(CestaPorovnani cesta) {
    switch (cesta) {
    case CestaPorovnani::Prosta: return true;
    case CestaPorovnani::Sse2: return NejlepsiCesta() != CestaPorovnani::Prosta;
    case CestaPorovnani::Avx2: return NejlepsiCesta() == CestaPorovnani::Avx2;
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
