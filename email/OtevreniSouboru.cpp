#include "email/OtevreniSouboru.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <share.h>
#endif

#include "knihovna/Chyba.h"

namespace Holvent::Email {

std::FILE* OtevritSouborZaznamu(const std::wstring& cesta, bool zapis, std::uint32_t& kodChyby) {
    kodChyby = 0;
    errno = 0;
#ifdef _WIN32
    // The C runtime keeps the system's own code: a sharing violation is told apart from a
    // missing file or a denied access, which errno alone does not do.
    _doserrno = 0;
    std::FILE* soubor = _wfsopen(cesta.c_str(), zapis ? L"w+b" : L"rb", zapis ? _SH_DENYRW : _SH_DENYWR);
    if (!soubor) {
        kodChyby = static_cast<std::uint32_t>(_doserrno);
        if (kodChyby == 33) kodChyby = Knihovna::kChybaSdileni;  // a locked region: locked all the same
        if (kodChyby == 0)
            kodChyby = errno == ENOENT ? Knihovna::kChybaSouborNenalezen : Knihovna::kChybaPristupOdepren;
    }
    return soubor;
#else
    std::FILE* soubor = std::fopen(std::filesystem::path(cesta).c_str(), zapis ? "w+b" : "rb");
    if (!soubor) {
        switch (errno) {
        case ENOENT: kodChyby = zapis ? Knihovna::kChybaCestaNenalezena : Knihovna::kChybaSouborNenalezen; break;
        case EACCES:
        case EPERM: kodChyby = Knihovna::kChybaPristupOdepren; break;
        case EBUSY:
        case ETXTBSY: kodChyby = Knihovna::kChybaSdileni; break;
        default: kodChyby = Knihovna::kChybaPristupOdepren; break;
        }
    }
    return soubor;
#endif
}

}  // namespace Holvent::Email
