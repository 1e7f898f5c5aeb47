#include "email/HlaseniChybyUloziste.h"

#include <filesystem>
#include <system_error>

#include "knihovna/Formatovani.h"

namespace Holvent::Email {

std::wstring CestaSouboruUloziste(const std::wstring& slozkaDat, const wchar_t* nazevSouboru) {
#ifdef _WIN32
    return Knihovna::Formatovat(L"%s\\%s", slozkaDat.c_str(), nazevSouboru);
#else
    return Knihovna::Formatovat(L"%s/%s", slozkaDat.c_str(), nazevSouboru);
#endif
}

void ZapsatNahrazenim(const std::wstring& cesta, const std::function<void(const std::wstring&)>& zapsat) {
    const std::wstring docasna = cesta + L".tmp";
    std::error_code chyba;
    try {
        zapsat(docasna);
    } catch (...) {
        std::filesystem::remove(std::filesystem::path(docasna), chyba);
        throw;
    }
    // Replaces an existing file in one step (MoveFileExW with replacing on Windows).
    std::filesystem::rename(std::filesystem::path(docasna), std::filesystem::path(cesta), chyba);
    if (chyba) {
        std::error_code ignorovat;
        std::filesystem::remove(std::filesystem::path(docasna), ignorovat);
        Knihovna::Vyhodit(Knihovna::kE_FAIL,
                          Knihovna::Formatovat(L"Soubor \"%s\" se nepodařilo nahradit novou verzí.", cesta.c_str()));
    }
}

}  // namespace Holvent::Email
