#pragma once

#include <windows.h>

#include <string>

namespace Knihovna::WinApi {

// A string of the module's string table; false (and the text untouched) when it has none.
bool NacistRetezec(HINSTANCE modul, UINT id, std::wstring& text);

// The module's own path (GetModuleFileNameW, any length).
std::wstring CestaModulu(HMODULE modul);

// COM for a scope: uninitialises only after a successful initialise.
class ApartmanCom {
public:
    ApartmanCom();
    ~ApartmanCom();
    ApartmanCom(const ApartmanCom&) = delete;
    ApartmanCom& operator=(const ApartmanCom&) = delete;
    HRESULT Vysledek() const { return hr_; }

private:
    HRESULT hr_;
};

}  // namespace Knihovna::WinApi
