#pragma once

// pyftpdlib (tests/net/win/ftp_server.py) for the Wine tests of the FTP code, with its home and command log in a
// folder of its own under the build tree.

#include <filesystem>
#include <string>

#include "ServerPythonu.h"

namespace {

class ServerFtp {
public:
    explicit ServerFtp(const std::wstring& jmeno, const std::wstring& volby = L"") {
        slozka_ = SlozkaProgramu() + L"\\ftp_test\\" + jmeno;
        std::error_code chyba;
        std::filesystem::remove_all(std::filesystem::path(Domov()), chyba);
        ::SHCreateDirectoryExW(nullptr, Domov().c_str(), nullptr);
        ::DeleteFileW((slozka_ + L"\\prikazy.log").c_str());
        const std::string port = SpustitServerPythonu(
            L"net/win/ftp_server.py", L"\"" + UnixCesta(Domov()) + L"\" " + volby, slozka_ + L"\\port", 30000);
        if (!port.empty()) adresa_ = L"127.0.0.1:" + std::to_wstring(std::stoi(port));
    }
    ~ServerFtp() { Zastavit(); }
    // The server closes every connection and ends (within a tenth of a second).
    void Zastavit() { ZastavitServerPythonu(slozka_ + L"\\port"); }
    const std::wstring& Adresa() const { return adresa_; }
    std::wstring Domov() const { return slozka_ + L"\\domov"; }
    std::string Prikazy() const { return Precist(slozka_ + L"\\prikazy.log"); }

private:
    std::wstring slozka_, adresa_;
};

}  // namespace
