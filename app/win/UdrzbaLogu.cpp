#include "app/win/UdrzbaLogu.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "app/win/Aplikace.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "resources/IdZdroju.h"

using Knihovna::Formatovat;

namespace {

bool Existuje(const std::wstring& cesta) {
    const DWORD a = ::GetFileAttributesW(cesta.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

void ChybaSouborNeexistuje(const std::wstring& cesta) {
    auto& app = Aplikace::Instance();
    app.ZobrazitChybu(Formatovat(app.Text(IdZdroju::kTextSouborNeexistuje).c_str(), cesta.c_str()));
}

void ChybaSystemu(DWORD kod) {
    Aplikace::Instance().ZobrazitChybu(Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(kod)));
}

}  // namespace

namespace UdrzbaLogu {

std::wstring PopisOtevrit(const std::wstring& cesta) {
    return Formatovat(L"Otevřít soubor \"%s\" ve výchozí aplikaci pro tento typ souboru.", cesta.c_str());
}
std::wstring PopisArchivovat(const std::wstring& cesta) {
    return Formatovat(L"Zkopírovat soubor logu \"%s\" do vybrané složky", cesta.c_str());
}
std::wstring PopisSmazat(const std::wstring& cesta) {
    return Formatovat(L"Smazat soubor logu \"%s\" z disku", cesta.c_str());
}

bool Otevrit(HWND vlastnik, const std::wstring& cesta) {
    if (!Existuje(cesta)) {
        ChybaSouborNeexistuje(cesta);
        return false;
    }
    const auto r = reinterpret_cast<INT_PTR>(::ShellExecuteW(vlastnik, L"open", cesta.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (r > 32) return true;
    ChybaSystemu(r == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : ::GetLastError());
    return false;
}

bool Archivovat(HWND vlastnik, const std::wstring& cesta) {
    if (!Existuje(cesta)) {
        ChybaSouborNeexistuje(cesta);
        return false;
    }
    std::vector<wchar_t> soubor(32768, L'\0');
    cesta.copy(soubor.data(), std::min<size_t>(cesta.size(), soubor.size() - 1));
    static constexpr wchar_t kFiltr[] = L"Soubory logu\0*.log\0\0";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = vlastnik;
    ofn.lpstrFilter = kFiltr;
    ofn.lpstrFile = soubor.data();
    ofn.nMaxFile = static_cast<DWORD>(soubor.size());
    ofn.lpstrTitle = L"Vyberte soubor zálohy logu";
    ofn.lpstrDefExt = L"log";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn)) return false;
    if (!::CopyFileW(cesta.c_str(), soubor.data(), FALSE)) {
        ChybaSystemu(::GetLastError());
        return false;
    }
    return true;
}

bool Smazat(HWND, const std::wstring& cesta) {
    if (!Existuje(cesta)) {
        ChybaSouborNeexistuje(cesta);
        return false;
    }
    auto& app = Aplikace::Instance();
    if (!app.ZeptatSeAnoNe(Formatovat(app.Text(IdZdroju::kTextOpravduSmazatSoubor).c_str(), cesta.c_str()), false, true))
        return false;
    if (!::DeleteFileW(cesta.c_str())) {
        ChybaSystemu(::GetLastError());
        return false;
    }
    return true;
}

}  // namespace UdrzbaLogu
