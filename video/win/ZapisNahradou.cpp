#include "video/win/ZapisNahradou.h"

#include <windows.h>

#include "knihovna/Chyba.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/UnikatniHandle.h"

using namespace Knihovna::WinApi;

void ZapsatSouborNahradou(const std::wstring& cil, const std::vector<std::uint8_t>& data) {
    const auto lomitko = cil.find_last_of(L"\\/");
    const std::wstring slozka = lomitko == std::wstring::npos ? std::wstring(L".") : cil.substr(0, lomitko + 1);
    wchar_t docasny[MAX_PATH + 16] = {};
    // Creates the empty file, so that no other writer takes the name.
    VyhoditKdyzNeuspech(::GetTempFileNameW(slozka.c_str(), L"tvk", 0, docasny));
    try {
        {
            UnikatniSoubor soubor(
                ::CreateFileW(docasny, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!soubor) VyhoditPosledniChybu();
            DWORD zapsano = 0;
            VyhoditKdyzNeuspech(::WriteFile(soubor.get(), data.data(), static_cast<DWORD>(data.size()), &zapsano, nullptr));
            if (zapsano != data.size()) Knihovna::Vyhodit(HRESULT_FROM_WIN32(ERROR_HANDLE_DISK_FULL));
        }
        VyhoditKdyzNeuspech(
            ::MoveFileExW(docasny, cil.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH));
    } catch (...) {
        ::DeleteFileW(docasny);
        throw;
    }
}
