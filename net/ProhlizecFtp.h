#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The FTP browser's logic without the platform: which entries of a listing go where, the paths the server is asked
// for, the download's progress and the local name a server's file proposes.
namespace Holvent::Ftp {

// An entry of a server's listing.
struct PolozkaFtp {
    std::wstring jmeno;
    bool slozka = false;
    std::uint64_t velikost = 0;  // from the listing (the size query answers 0 under some servers and clients)
};

// "filtrSoubory": bit 0 pictures (".jpg", ".jpeg", ".bmp", ".png", ".gif", ".tif", ".tiff"), bit 1 videos (".avi",
// ".wmv"), case-insensitively; 0xFFFFFFFF every file.
class FiltrSouboruFtp {
public:
    enum class Cil { Vynechat, Strom, Seznam };

    explicit FiltrSouboruFtp(std::uint32_t filtrSoubory) : filtr_(filtrSoubory) {}
    // Names beginning with "." are left out; folders go to the tree, files that pass the filter to the list.
    Cil Kam(const PolozkaFtp& p) const;
    bool Zobrazit(const std::wstring& jmenoSouboru) const;

    static bool JeObrazek(const std::wstring& jmeno);
    static bool JeVideo(const std::wstring& jmeno);

private:
    std::uint32_t filtr_;
};

// Sorts the entries by name without regard to case (as the sorted list box and the tree show them).
void SeraditPolozky(std::vector<PolozkaFtp>& polozky);

// A listing's entries collected into batches for the window (kVelikostDavky a message), up to kMaxPolozek.
class DavkyVypisuFtp {
public:
    static constexpr std::size_t kVelikostDavky = 500;
    static constexpr std::size_t kMaxPolozek = 100'000;

    explicit DavkyVypisuFtp(std::uint32_t filtrSoubory) : filtr_(filtrSoubory) {}
    // Takes the next entry of the server's listing; false when the listing is to stop (over kMaxPolozek entries).
    bool Pridat(PolozkaFtp p);
    bool DavkaPlna() const { return slozky_.size() + soubory_.size() >= kVelikostDavky; }
    // The folders and files gathered since the last call (for the tree and the list).
    void Vzit(std::vector<PolozkaFtp>& slozky, std::vector<PolozkaFtp>& soubory);
    std::size_t Prijato() const { return prijato_; }  // entries of the listing so far, "." names not counted
    bool Omezeno() const { return omezeno_; }

private:
    FiltrSouboruFtp filtr_;
    std::vector<PolozkaFtp> slozky_, soubory_;
    std::size_t prijato_ = 0;
    bool omezeno_ = false;
};

// "Načítám obsah složky "%s" (položek: %u)" while a listing arrives, and the note when it stopped at kMaxPolozek.
std::wstring TextNacitaniSlozky(const std::wstring& slozka, std::size_t polozek);
std::wstring TextOmezenehoVypisu(const std::wstring& slozka);

// Paths on the server. A folder is given as the tree builds it: "" for the login folder, else its levels joined by
// "/" ("fotky/2026"). A listing asks for "*.*" there and for "folder/*.*" below (servers of the Unix kind refuse a
// backslash).
std::wstring CestaVypisuFtp(const std::wstring& slozka);
std::wstring CestaSouboruFtp(const std::wstring& slozka, const std::wstring& jmeno);

// A preview reads the whole file, but at most this much.
inline constexpr std::uint64_t kMaxVelikostNahledu = 64ull * 1024 * 1024;

// The percentage of velikost that bajty are, 64-bit throughout; 100 from the size on, 0 for an unknown size (0).
std::uint32_t ProcentaStazeni(std::uint64_t bajty, std::uint64_t velikost);

// A download's progress as the window is told it: with a known size only when the percentage changes (at most 101
// messages), with an unknown size once per kKrokBezVelikosti bytes.
class PrubehStahovaniFtp {
public:
    static constexpr std::uint64_t kKrokBezVelikosti = 1024 * 1024;

    explicit PrubehStahovaniFtp(std::uint64_t velikost) : velikost_(velikost) {}
    // The bytes received so far; true when the window is to be told.
    bool Prijato(std::uint64_t celkem);
    bool ZnamaVelikost() const { return velikost_ > 0; }
    std::uint32_t Procenta() const { return procenta_; }
    std::uint64_t Bajty() const { return bajty_; }
    // "Staženo: %d procent", or "Staženo bajtů: %llu" when the size is unknown.
    std::wstring Text() const;

private:
    std::uint64_t velikost_;
    std::uint64_t bajty_ = 0;
    std::uint32_t procenta_ = 0;
    std::uint64_t hlasenoBajtu_ = 0;
};
std::wstring TextPrubehu(bool znamaVelikost, std::uint32_t procenta, std::uint64_t bajty);

// The local name a server's file proposes in the save dialog: characters a file name cannot carry ("\", "/", ":"
// and the others Windows refuses, control characters) become "_", as do trailing dots and blanks; a device name
// (CON, NUL, COM1, ...) gets "_" in front. Never empty.
std::wstring NavrhJmenaUlozeni(const std::wstring& jmenoNaServeru);

// The download is written here and replaces the target only when complete.
inline std::wstring CestaCastecnehoSouboru(const std::wstring& cil) { return cil + L".part"; }

}  // namespace Holvent::Ftp
