#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/ProhlizecFtp.h"

// The FTP browser's workers: connecting, listing a folder, reading a preview and downloading a file. Each runs on
// a thread of its own with its own WinInet root handle and its own connection (a connection carries one transfer),
// and talks to the browser window only by posted messages. Worker threads never touch a window.
namespace Holvent::Ftp {

// Messages to the browser window. wParam is always the work's generation number (see PraceProhlizeceFtp::Aktualni);
// lParam is 0, a number, or a heap result that the window owns from the moment the post succeeds (it deletes it,
// stale or not; PraceProhlizeceFtp::ZahoditNevyzvednute frees those still queued when the window goes).
//
// WM_APP + 21  preview done: lParam VysledekNahleduFtp* (data holds the whole file).
// WM_APP + 22  download started: lParam 0.
// WM_APP + 23  download done, the target replaced: lParam VysledekStazeniFtp*.
// WM_APP + 24  preview started: lParam 0.
// WM_APP + 25  preview failed: lParam VysledekNahleduFtp* (chyba set, no data).
// WM_APP + 26  download progress: lParam the bytes received so far (64-bit). Posted only when the percentage of
//              the size given to Stahnout changes, or once per PrubehStahovaniFtp::kKrokBezVelikosti bytes when that
//              size is 0 (unknown); the window shows TextPrubehu(velikost > 0, ProcentaStazeni(bajty, velikost),
//              bajty).
// WM_APP + 27  download failed: lParam VysledekStazeniFtp* (chyba set); the old target is untouched, the ".part"
//              file is gone.
// WM_APP + 28  listing batch (up to DavkyVypisuFtp::kVelikostDavky entries): lParam DavkaVypisuFtp*.
// WM_APP + 29  listing ended (also ends Pripojit): lParam KonecVypisuFtp*.
inline constexpr UINT kZpravaNahledHotov = WM_APP + 21;
inline constexpr UINT kZpravaStazeniZacatek = WM_APP + 22;
inline constexpr UINT kZpravaStazeniHotovo = WM_APP + 23;
inline constexpr UINT kZpravaNahledZacatek = WM_APP + 24;
inline constexpr UINT kZpravaNahledChyba = WM_APP + 25;
inline constexpr UINT kZpravaStazeniPrubeh = WM_APP + 26;
inline constexpr UINT kZpravaStazeniChyba = WM_APP + 27;
inline constexpr UINT kZpravaDavkaVypisu = WM_APP + 28;
inline constexpr UINT kZpravaKonecVypisu = WM_APP + 29;

// Where the browser connects; copied into each worker.
struct ParametryFtp {
    std::wstring server;  // "host" or "host:port"
    std::wstring uzivatel, heslo;
    bool pasivni = true;
};

// Results. chyba is empty on success, else the finished Czech text for the user (the system's message inside).
struct VysledekNahleduFtp {
    std::uint32_t generace = 0;
    std::wstring slozka, jmeno;          // as given to Nahled
    std::vector<std::uint8_t> data;      // the whole file, at most kMaxVelikostNahledu bytes
    std::wstring chyba;
};

struct VysledekStazeniFtp {
    std::uint32_t generace = 0;
    std::wstring slozka, jmeno, cil;     // as given to Stahnout
    std::uint64_t bajty = 0;             // written to cil
    std::wstring chyba;
};

struct DavkaVypisuFtp {
    std::uint32_t generace = 0;
    std::wstring slozka;
    std::vector<PolozkaFtp> slozky;      // for the tree ("." names left out)
    std::vector<PolozkaFtp> soubory;     // for the list, already through "filtrSoubory"
    std::size_t prijato = 0;             // entries of the listing so far, for TextNacitaniSlozky
};

struct KonecVypisuFtp {
    std::uint32_t generace = 0;
    std::wstring slozka;
    std::size_t prijato = 0;
    bool omezeno = false;                // stopped at DavkyVypisuFtp::kMaxPolozek (TextOmezenehoVypisu)
    bool pripojeni = false;              // the listing of Pripojit: on success the window is connected
    std::wstring chyba;
};

// The browser window's workers. Created and called on the window's thread only.
class PraceProhlizeceFtp {
public:
    // Maximum wait of Zavrit for its workers.
    static constexpr DWORD kCasZavreniMs = 3000;

    explicit PraceProhlizeceFtp(HWND okno);
    ~PraceProhlizeceFtp();  // Zavrit()
    PraceProhlizeceFtp(const PraceProhlizeceFtp&) = delete;
    PraceProhlizeceFtp& operator=(const PraceProhlizeceFtp&) = delete;

    // Connects with p and lists the login folder ("") as Vypsat does; a running listing is cancelled. The end
    // (+29) has pripojeni set; only when it has no chyba are p kept for the later work (Parametry()).
    std::uint32_t Pripojit(const ParametryFtp& p, std::uint32_t filtrSoubory);
    // Lists a folder ("" the login folder, else "a/b") on a connection of its own; a running listing (or Pripojit)
    // is cancelled and its later messages are stale.
    std::uint32_t Vypsat(const std::wstring& slozka, std::uint32_t filtrSoubory);
    // Reads a file for the preview; a running preview is cancelled.
    std::uint32_t Nahled(const std::wstring& slozka, const std::wstring& jmeno);
    // Downloads a file into "<cil>.part" and moves it over cil when complete. velikost is the listing's size
    // (0 unknown). One download at a time: 0 (nothing started) while one runs.
    std::uint32_t Stahnout(const std::wstring& slozka, const std::wstring& jmeno, std::uint64_t velikost,
                           const std::wstring& cil);
    bool StahovaniBezi() const;

    // "Odpojit od serveru": cancels every worker (a download's ".part" is removed) and forgets the parameters.
    void Odpojit();
    // The window closes: every root handle closed (a pending connect returns at once, a transfer at its next
    // read), later posts suppressed, partial files deleted; waits at most kCasZavreniMs (once; nothing starts after). A worker still running
    // afterwards owns only its own state and ends by itself.
    void Zavrit();

    bool Pripojeno() const { return pripojeno_; }
    const ParametryFtp& Parametry() const { return parametry_; }
    // Whether a message's wParam belongs to the latest work of its kind (listing, preview, download); results of
    // cancelled or replaced work are stale and are only deleted.
    bool Aktualni(UINT zprava, WPARAM generace) const;
    // The window's handler of +29 calls this first: a successful Pripojit marks the browser connected.
    void KonecVypisu(const KonecVypisuFtp& konec);

    // Frees the heap results of messages +21…+29 still queued for the window (call when it is destroyed).
    static void ZahoditNevyzvednute(HWND okno);

    struct Uloha;  // one worker's whole world, shared by it and this object

private:
    std::uint32_t Spustit(std::shared_ptr<Uloha>& slot, std::shared_ptr<Uloha> uloha);

    struct Spolecne;
    std::shared_ptr<Spolecne> spolecne_;
    std::shared_ptr<Uloha> vypis_, nahled_, stazeni_;
    ParametryFtp parametry_, cekajici_;  // cekajici_: those of the running Pripojit
    bool pripojeno_ = false;
    bool zavreno_ = false;  // after Zavrit nothing starts
    std::uint32_t generace_ = 0;
    std::uint32_t genVypisu_ = 0, genNahledu_ = 0, genStazeni_ = 0;
};

}  // namespace Holvent::Ftp
