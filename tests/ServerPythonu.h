#pragma once

// A python server of the tests (tests/<skript>) started beside a Wine test: Wine runs Linux programs from
// CreateProcessW. The server writes its port(s) to a file once it listens and ends when that file + ".konec"
// appears (or its parent ends). With the file helpers the Wine tests share.

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The folder of the test program as Windows (Z:\...) and as Linux sees it.
std::wstring SlozkaProgramu() {
    wchar_t cesta[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, cesta, MAX_PATH);
    std::wstring s(cesta, n);
    return s.substr(0, s.find_last_of(L'\\'));
}
std::wstring UnixCesta(std::wstring windows) {
    if (windows.size() > 1 && windows[1] == L':') windows.erase(0, 2);
    for (auto& z : windows)
        if (z == L'\\') z = L'/';
    return windows;
}
bool Existuje(const std::wstring& cesta) { return ::GetFileAttributesW(cesta.c_str()) != INVALID_FILE_ATTRIBUTES; }
std::string Precist(const std::wstring& cesta) {
    std::ifstream f(std::filesystem::path(cesta), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}
void Zapsat(const std::wstring& cesta, const std::string& data) {
    std::ofstream(std::filesystem::path(cesta), std::ios::binary) << data;
}

// Starts tests/skript with the arguments (after them the Linux path of the port file) and waits up to ms for the
// port file; its text, or "" when the server did not come up.
std::string SpustitServerPythonu(const std::wstring& skript, const std::wstring& argumenty, const std::wstring& port,
                                 DWORD ms) {
    ::DeleteFileW(port.c_str());
    ::DeleteFileW((port + L".konec").c_str());
    std::wstring prikaz = L"/usr/bin/python3 \"" + UnixCesta(SlozkaProgramu()) + L"/../../tests/" + skript + L"\" " +
                          argumenty + L" \"" + UnixCesta(port) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return {};
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    for (DWORD i = 0; i < ms / 100 && !Existuje(port); ++i) ::Sleep(100);
    return Precist(port);
}

void ZastavitServerPythonu(const std::wstring& port) { Zapsat(port + L".konec", ""); }

}  // namespace
