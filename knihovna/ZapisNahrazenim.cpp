#include "knihovna/ZapisNahrazenim.h"

#include <filesystem>
#include <system_error>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

namespace Knihovna {

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
        // A read-only or locked target is the usual cause: its code says so in the log.
        const Hresult hr = chyba == std::errc::permission_denied ? HresultZWin32(kChybaPristupOdepren) : kE_FAIL;
        Vyhodit(hr, Formatovat(L"Soubor \"%s\" se nepodařilo nahradit novou verzí.", cesta.c_str()));
    }
}

}  // namespace Knihovna
