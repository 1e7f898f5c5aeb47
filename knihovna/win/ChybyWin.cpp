#include "knihovna/win/ChybyWin.h"

#include "knihovna/Formatovani.h"

namespace Knihovna::WinApi {

std::wstring SystemovyPopis(HRESULT hr) {
    DWORD kod = static_cast<DWORD>(hr);
    wchar_t* buf = nullptr;
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                               nullptr, kod, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    if (n == 0 && HRESULT_FACILITY(hr) == FACILITY_WIN32) {
        n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, HRESULT_CODE(hr), 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    }
    std::wstring text;
    if (n && buf) text.assign(buf, n);
    if (buf) ::LocalFree(buf);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    if (text.empty()) text = Formatovat(L"Neznámá chyba 0x%08X", static_cast<unsigned>(hr));
    return text;
}

std::wstring PopisChyby(const Chyba& chyba) {
    if (!chyba.Text().empty()) return chyba.Text();
    return SystemovyPopis(chyba.Hr());
}

void VyhoditPosledniChybu(std::wstring text, std::source_location misto) {
    const DWORD kod = ::GetLastError();
    throw Chyba(kod ? HresultZWin32(kod) : kE_FAIL, std::move(text), misto);
}

}  // namespace Knihovna::WinApi
