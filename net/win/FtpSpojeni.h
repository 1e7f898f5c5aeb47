#pragma once

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace Holvent::Ftp {

// One FTP connection on the application's WinInet root handle. Every call blocks; each failure raises
// Knihovna::Chyba whose text names the step and carries the server's last reply (or the WinInet error's
// description). Zrusit may be called from another thread: it closes the handles, so that a blocked call
// returns and raises. Every WinInet wait is bounded (connect, send and receive time-outs of 30 s).
class FtpSpojeni {
public:
    // server may carry a port ("host:port", "[IPv6]:port"); without one the port is 21.
    FtpSpojeni(std::wstring server, std::wstring uzivatel, std::wstring heslo, bool pasivni);
    ~FtpSpojeni();
    FtpSpojeni(const FtpSpojeni&) = delete;
    FtpSpojeni& operator=(const FtpSpojeni&) = delete;

    // Logs in; root is the application's InternetOpenW handle. An empty root, server, user or password is
    // the invalid-argument error (no anonymous login is attempted).
    void Connect(HINTERNET root);
    // Goes to the folder ("" = the login folder; "\" taken as "/"); with vytvorit each missing level is
    // created on the way.
    void ZmenitSlozku(const std::wstring& slozka, bool vytvorit);
    // FtpPutFileW in binary mode into the current folder.
    void Nahrat(const std::wstring& mistniSoubor, const std::wstring& vzdalenyNazev);
    // The names of the subfolders of the current folder (entries beginning with "." left out), listed without
    // a pattern.
    std::vector<std::wstring> Slozky();
    // The current folder as the server names it.
    std::wstring AktualniSlozka();
    void Odpojit();
    // Thread-safe: cuts off whatever call blocks and makes every later call fail.
    void Zrusit();

    // The server's last reply (InternetGetLastResponseInfoW), for the log.
    const std::wstring& PosledniOdpoved() const { return posledniOdpoved_; }

    // The open connection, for transfers made by the caller; raises once Zrusit was called or before Connect.
    HINTERNET Handle();
    // Raises the failure of a step from the last error and the server's last reply.
    [[noreturn]] void Selhani(const std::wstring& krok);

private:

    std::wstring server_, uzivatel_, heslo_;
    bool pasivni_;
    std::mutex zamek_;                // guards the handle against Zrusit from another thread
    HINTERNET spojeni_ = nullptr;
    std::atomic<bool> zruseno_{false};
    std::wstring posledniOdpoved_;
};

// The description of a WinInet error code (wininet.dll's messages), else of a system code; one line.
std::wstring PopisChybyWinInet(DWORD kod);

}  // namespace Holvent::Ftp
