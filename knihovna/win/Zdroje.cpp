#include "knihovna/win/Zdroje.h"

#include <objbase.h>

#include <vector>

namespace Knihovna::WinApi {

bool NacistRetezec(HINSTANCE modul, UINT id, std::wstring& text) {
    const wchar_t* p = nullptr;
    // With a zero buffer size LoadStringW gives a pointer into the resource itself.
    const int n = ::LoadStringW(modul, id, reinterpret_cast<wchar_t*>(&p), 0);
    if (n <= 0 || !p) return false;
    text.assign(p, static_cast<size_t>(n));
    return true;
}

std::wstring CestaModulu(HMODULE modul) {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(modul, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return std::wstring(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

ApartmanCom::ApartmanCom() : hr_(::CoInitialize(nullptr)) {}
ApartmanCom::~ApartmanCom() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
}

}  // namespace Knihovna::WinApi
