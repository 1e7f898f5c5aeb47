#pragma once

// pyftpdlib (tests/net/win/ftp_server.py) for the Wine tests of the FTP code, with the file helpers they share.

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

// pyftpdlib started beside the test (Wine runs Linux programs from CreateProcessW), with its home and command
// log in a folder of its own under the build tree.
class ServerFtp {
public:
    explicit ServerFtp(const std::wstring& jmeno, const std::wstring& volby = L"") {
        slozka_ = SlozkaProgramu() + L"\\ftp_test\\" + jmeno;
        std::error_code chyba;
        std::filesystem::remove_all(std::filesystem::path(slozka_ + L"\\domov"), chyba);
        ::SHCreateDirectoryExW(nullptr, (slozka_ + L"\\domov").c_str(), nullptr);
        ::DeleteFileW((slozka_ + L"\\prikazy.log").c_str());
        const std::wstring port = slozka_ + L"\\port";
        ::DeleteFileW(port.c_str());
        ::DeleteFileW((port + L".konec").c_str());
        std::wstring prikaz = L"/usr/bin/python3 \"" + UnixCesta(SlozkaProgramu()) +
                              L"/../../tests/net/win/ftp_server.py\" \"" + UnixCesta(slozka_ + L"\\domov") + L"\" \"" +
                              UnixCesta(port) + L"\" " + volby;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        for (int i = 0; i < 300 && !Existuje(port); ++i) ::Sleep(100);
        const std::string text = Precist(port);
        if (!text.empty()) adresa_ = L"127.0.0.1:" + std::to_wstring(std::stoi(text));
    }
    ~ServerFtp() { Zastavit(); }
    // The server closes every connection and ends (within a tenth of a second).
    void Zastavit() { Zapsat(slozka_ + L"\\port.konec", ""); }
    const std::wstring& Adresa() const { return adresa_; }
    std::wstring Domov() const { return slozka_ + L"\\domov"; }
    std::string Prikazy() const { return Precist(slozka_ + L"\\prikazy.log"); }

private:
    std::wstring slozka_, adresa_;
};

}  // namespace
