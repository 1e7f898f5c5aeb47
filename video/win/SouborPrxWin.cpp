#include "video/win/SouborPrxWin.h"

#include <windows.h>

#include <algorithm>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/ZapisNahrazenim.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/UnikatniHandle.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;

namespace Holvent::DirectShow {

namespace {

void OveritCestu(const std::wstring& cesta) {
    const DWORD atributy = cesta.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(cesta.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || (atributy & FILE_ATTRIBUTE_DIRECTORY) ||
        !SouborPrx::MaPriponuPrx(cesta))
        Vyhodit(kE_INVALIDARG, Formatovat(L"Soubor \"%s\" neexistuje nebo není souborem konfigurace záznamu (*.prx).",
                                          cesta.c_str()));
}

void ZapsatSoubor(const std::wstring& cesta, const std::string& bajty) {
    UnikatniSoubor soubor(::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!soubor) VyhoditPosledniChybu();
    DWORD zapsano = 0;
    if (!::WriteFile(soubor.get(), bajty.data(), static_cast<DWORD>(bajty.size()), &zapsano, nullptr))
        VyhoditPosledniChybu();
    if (zapsano != bajty.size()) Vyhodit(HresultZWin32(ERROR_WRITE_FAULT));
    if (!soubor.Zavrit()) VyhoditPosledniChybu();
}

}  // namespace

SouborPrx NacistSouborPrx(const std::wstring& cesta) {
    OveritCestu(cesta);
    UnikatniSoubor soubor(::CreateFileW(cesta.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!soubor) VyhoditPosledniChybu();
    LARGE_INTEGER velikost{};
    if (!::GetFileSizeEx(soubor.get(), &velikost)) VyhoditPosledniChybu();
    // A larger file is refused before it is read; the check of SouborPrx gives the text.
    const auto n = static_cast<std::size_t>(
        std::min<LONGLONG>(velikost.QuadPart, static_cast<LONGLONG>(SouborPrx::kMaxVelikost) + 1));
    std::string bajty(n, '\0');
    DWORD precteno = 0;
    if (n > 0 && !::ReadFile(soubor.get(), bajty.data(), static_cast<DWORD>(n), &precteno, nullptr))
        VyhoditPosledniChybu();
    if (precteno != n) Vyhodit(HresultZWin32(ERROR_HANDLE_EOF));
    return SouborPrx(std::move(bajty));
}

HodnotyPrx NacistHodnotyPrx(const std::wstring& cesta) { return NacistSouborPrx(cesta).Hodnoty(); }

void UlozitHodnotyPrx(const std::wstring& cesta, const HodnotyPrx& hodnoty) {
    SouborPrx soubor = NacistSouborPrx(cesta);
    soubor.Zapsat(hodnoty);
    ZapsatNahrazenim(cesta, [&soubor](const std::wstring& docasna) { ZapsatSoubor(docasna, soubor.Bajty()); });
}

}  // namespace Holvent::DirectShow
