#include "net/win/FtpSpojeni.h"

#include <iterator>

#include "knihovna/AdresaServeru.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "net/ChybyWinInet.h"
#include "net/NazvyFtp.h"

using Knihovna::Chyba;
using Knihovna::Formatovat;

namespace Holvent::Ftp {

namespace {

constexpr DWORD kCasovyLimitMs = 30000;

std::wstring Orezat(std::wstring text) {
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    return text;
}

std::wstring JednaRadka(std::wstring text) {
    // A multi-line reply ("230-Welcome ... 230 Login ok") goes into a log line: its lines joined by spaces.
    text = Orezat(std::move(text));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            std::size_t konec = i;
            while (konec < text.size() && (text[konec] == L'\r' || text[konec] == L'\n')) ++konec;
            text.replace(i, konec - i, L" ");
        }
    }
    return text;
}

}  // namespace

std::wstring PopisChybyWinInet(DWORD kod) {
    if (const wchar_t* popis = PopisKoduWinInet(kod)) return popis;
    // Other WinInet codes (12001-12192) are in wininet.dll's message table, not the system's.
    wchar_t* buf = nullptr;
    DWORD n = 0;
    if (HMODULE wininet = ::GetModuleHandleW(L"wininet.dll"); wininet && kod >= 12000 && kod < 13000) {
        n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             wininet, kod, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    }
    if (n == 0) {
        n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, kod, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    }
    std::wstring text;
    if (n && buf) text.assign(buf, n);
    if (buf) ::LocalFree(buf);
    text = JednaRadka(std::move(text));
    if (text.empty()) text = Formatovat(L"Chyba WinInet %lu", static_cast<unsigned long>(kod));
    return text;
}

FtpSpojeni::FtpSpojeni(std::wstring server, std::wstring uzivatel, std::wstring heslo, bool pasivni)
    : server_(std::move(server)), uzivatel_(std::move(uzivatel)), heslo_(std::move(heslo)), pasivni_(pasivni) {}

FtpSpojeni::~FtpSpojeni() { Odpojit(); }

HINTERNET FtpSpojeni::Handle() {
    std::lock_guard zamek(zamek_);
    if (zruseno_) throw Chyba(Knihovna::kE_ABORT, L"Přenos na FTP server byl přerušen.");
    if (!spojeni_) throw Chyba(Knihovna::kE_HANDLE, L"Spojení s FTP serverem není navázáno.");
    return spojeni_;
}

void FtpSpojeni::Selhani(const std::wstring& krok) {
    const DWORD kod = ::GetLastError();
    if (zruseno_) throw Chyba(Knihovna::kE_ABORT, krok + L" bylo přerušeno.");
    // The server's last reply is the reason of a refused command or login. After any other failure (no
    // connection, a time-out) it is the reply to an earlier command, even of another connection of the thread,
    // and would mislead: then the code's description alone.
    DWORD chybaOdpovedi = 0;
    DWORD delka = 0;
    ::InternetGetLastResponseInfoW(&chybaOdpovedi, nullptr, &delka);
    std::wstring odpoved;
    if (delka > 0) {
        std::wstring buf(delka + 1, L'\0');
        DWORD d = delka + 1;
        if (::InternetGetLastResponseInfoW(&chybaOdpovedi, buf.data(), &d)) buf.resize(d);
        else buf.clear();
        odpoved = JednaRadka(buf.c_str());
    }
    const bool odpovedServeru = kod == ERROR_INTERNET_EXTENDED_ERROR || kod == ERROR_INTERNET_LOGIN_FAILURE ||
                                kod == ERROR_INTERNET_INCORRECT_PASSWORD || kod == ERROR_INTERNET_INCORRECT_USER_NAME;
    if (!odpovedServeru) odpoved.clear();
    posledniOdpoved_ = odpoved;
    std::wstring duvod = PopisChybyWinInet(kod);
    if (!odpoved.empty()) duvod = kod == ERROR_INTERNET_EXTENDED_ERROR ? L"server odpověděl: " + odpoved
                                                                      : duvod + L" Server odpověděl: " + odpoved;
    throw Chyba(kod ? Knihovna::HresultZWin32(kod) : Knihovna::kE_FAIL, krok + L" se nezdařilo: " + duvod);
}

void FtpSpojeni::Connect(HINTERNET root) {
    if (!root || server_.empty() || uzivatel_.empty() || heslo_.empty())
        throw Chyba(Knihovna::kE_INVALIDARG,
                    L"Pro připojení k FTP serveru musí být zadán server, uživatel i heslo.");
    std::wstring chybaPortu;
    const auto adresa = Knihovna::RozlozitServer(server_, &chybaPortu);
    if (!adresa || adresa->hostitel.empty())
        throw Chyba(Knihovna::kE_INVALIDARG, adresa ? L"Není zadán FTP server." : chybaPortu);
    Odpojit();
    if (zruseno_) throw Chyba(Knihovna::kE_ABORT, L"Přenos na FTP server byl přerušen.");
    const INTERNET_PORT port = adresa->port ? *adresa->port : INTERNET_DEFAULT_FTP_PORT;
    // InternetConnectW connects and logs in at once: the connect time-out of that step is the root handle's.
    HINTERNET spojeni = ::InternetConnectW(static_cast<HINTERNET>(root), adresa->hostitel.c_str(), port,
                                           uzivatel_.c_str(), heslo_.c_str(), INTERNET_SERVICE_FTP,
                                           pasivni_ ? INTERNET_FLAG_PASSIVE : 0, 0);
    if (!spojeni) Selhani(Formatovat(L"Připojení k FTP serveru %ls", server_.c_str()));
    {
        std::lock_guard zamek(zamek_);
        if (zruseno_) {
            ::InternetCloseHandle(spojeni);
            throw Chyba(Knihovna::kE_ABORT, L"Přenos na FTP server byl přerušen.");
        }
        spojeni_ = spojeni;
    }
    // The data connections and every reply of this connection wait at most this long.
    DWORD limit = kCasovyLimitMs;
    for (DWORD volba : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        ::InternetSetOptionW(spojeni, volba, &limit, sizeof limit);
}

void FtpSpojeni::ZmenitSlozku(const std::wstring& slozka, bool vytvorit) {
    const SlozkaFtp cil = RozlozitSlozkuFtp(slozka);
    if (!cil.odKorene && cil.urovne.empty()) return;  // the login folder
    HINTERNET h = Handle();
    // The common case, an existing folder, in one command.
    const std::wstring cesta = cil.Cesta();
    if (::FtpSetCurrentDirectoryW(h, cesta.c_str())) return;
    if (!vytvorit || zruseno_) Selhani(Formatovat(L"Otevření složky \"%ls\"", cesta.c_str()));
    if (cil.odKorene && !::FtpSetCurrentDirectoryW(h, L"/")) Selhani(L"Otevření kořenové složky");
    for (const std::wstring& uroven : cil.urovne) {
        if (::FtpSetCurrentDirectoryW(h, uroven.c_str())) continue;
        if (!::FtpCreateDirectoryW(h, uroven.c_str()))
            Selhani(Formatovat(L"Vytvoření složky \"%ls\"", uroven.c_str()));
        if (!::FtpSetCurrentDirectoryW(h, uroven.c_str()))
            Selhani(Formatovat(L"Otevření složky \"%ls\"", uroven.c_str()));
    }
}

void FtpSpojeni::Nahrat(const std::wstring& mistniSoubor, const std::wstring& vzdalenyNazev) {
    HINTERNET h = Handle();
    if (::FtpPutFileW(h, mistniSoubor.c_str(), vzdalenyNazev.c_str(), FTP_TRANSFER_TYPE_BINARY, 0)) return;
    const std::wstring krok = Formatovat(L"Odeslání souboru \"%ls\"", vzdalenyNazev.c_str());
    const DWORD kod = ::GetLastError();
    if (kod == ERROR_INTERNET_EXTENDED_ERROR || zruseno_) Selhani(krok);
    // A data connection the server broke off: WinInet reports the broken connection, but it has read the server's
    // reply to the transfer (426 and its reason), which is the server's own word on why the upload failed. Only a
    // 4xx or 5xx counts: the replies before it in this connection all succeeded.
    std::wstring slova;
    DWORD chybaOdpovedi = 0;
    wchar_t buf[1024] = {};
    DWORD delka = static_cast<DWORD>(std::size(buf) - 1);
    if (::InternetGetLastResponseInfoW(&chybaOdpovedi, buf, &delka) && (buf[0] == L'4' || buf[0] == L'5'))
        slova = JednaRadka(buf);
    ::SetLastError(kod);
    try {
        Selhani(krok);
    } catch (const Chyba& chyba) {
        if (slova.empty()) throw;
        throw Chyba(chyba.Hr(), chyba.Text() + L" Server odpověděl: " + slova);
    }
}

std::vector<std::wstring> FtpSpojeni::Slozky() {
    HINTERNET h = Handle();
    std::vector<std::wstring> slozky;
    WIN32_FIND_DATAW data{};
    // Without a pattern: "folder\*.*" finds nothing on Unix servers.
    HINTERNET hledani = ::FtpFindFirstFileW(h, nullptr, &data, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
    if (!hledani) {
        // An empty folder: ERROR_NO_MORE_FILES, under Wine no error code at all.
        if (const DWORD kod = ::GetLastError(); kod == ERROR_NO_MORE_FILES || kod == 0) return slozky;
        Selhani(L"Načtení obsahu složky");
    }
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.cFileName[0] != L'.')
            slozky.emplace_back(data.cFileName);
    } while (::InternetFindNextFileW(hledani, &data));
    const DWORD kod = ::GetLastError();
    ::InternetCloseHandle(hledani);
    if (kod != ERROR_NO_MORE_FILES) {
        ::SetLastError(kod);
        Selhani(L"Načtení obsahu složky");
    }
    return slozky;
}

std::wstring FtpSpojeni::AktualniSlozka() {
    HINTERNET h = Handle();
    std::wstring buf(MAX_PATH, L'\0');
    DWORD delka = static_cast<DWORD>(buf.size());
    if (!::FtpGetCurrentDirectoryW(h, buf.data(), &delka)) {
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) Selhani(L"Zjištění aktuální složky");
        buf.assign(delka + 1, L'\0');
        delka = static_cast<DWORD>(buf.size());
        if (!::FtpGetCurrentDirectoryW(h, buf.data(), &delka)) Selhani(L"Zjištění aktuální složky");
    }
    return buf.c_str();
}

void FtpSpojeni::Odpojit() {
    std::lock_guard zamek(zamek_);
    if (spojeni_) ::InternetCloseHandle(spojeni_);
    spojeni_ = nullptr;
}

void FtpSpojeni::Zrusit() {
    zruseno_ = true;
    Odpojit();
}

}  // namespace Holvent::Ftp
