#include "app/win/KontrolaAktualizaci.h"

#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string_view>
#include <thread>

#include "app/PravidlaAktualizace.h"
#include "net/win/FtpSpojeni.h"

using Knihovna::Chyba;
using Knihovna::HresultZWin32;
namespace Pravidla = PravidlaAktualizace;

// The Internet handles of one check, its outcome and flags, shared by the worker, the thread that makes the
// blocking WinInet calls and the UI thread.
struct KontrolaAktualizaci::Spojeni {
    std::mutex zamek;
    std::condition_variable konec;
    HINTERNET relace = nullptr;
    HINTERNET soubor = nullptr;
    bool zavreno = false;   // the handles were closed: no new ones are kept
    bool vyprsela = false;  // the budget ran out
    bool hotovo = false;    // the fetch ended: verze or chyba holds its outcome
    std::wstring verze;
    std::optional<Chyba> chyba;
    std::atomic<bool> bezi{false};
    std::atomic<bool> tiche{false};
    std::atomic<bool> opustena{false};

    // Closes both handles (which may cut a blocked call short); later calls on them fail.
    void Zavrit() {
        std::lock_guard z(zamek);
        if (soubor) ::InternetCloseHandle(soubor);
        if (relace) ::InternetCloseHandle(relace);
        soubor = relace = nullptr;
        zavreno = true;
        konec.notify_all();
    }
};

namespace {

using Hodiny = std::chrono::steady_clock;

[[noreturn]] void VyhoditChybuInternetu(KontrolaAktualizaci::Spojeni& s, DWORD kod) {
    {
        std::lock_guard z(s.zamek);
        if (s.vyprsela) kod = ERROR_INTERNET_TIMEOUT;
        else if (s.zavreno) kod = ERROR_INTERNET_OPERATION_CANCELLED;
    }
    // WinInet's codes have their texts in wininet.dll, not in the system's table.
    Knihovna::Vyhodit(HresultZWin32(kod), Holvent::Ftp::PopisChybyWinInet(kod));
}

// Keeps a handle of the check, or closes it when the check was cut off meanwhile (then nothing is returned).
HINTERNET Ulozit(KontrolaAktualizaci::Spojeni& s, HINTERNET h, HINTERNET KontrolaAktualizaci::Spojeni::*kam) {
    std::lock_guard z(s.zamek);
    if (s.zavreno) {
        ::InternetCloseHandle(h);
        return nullptr;
    }
    s.*kam = h;
    return h;
}

// The blocking WinInet calls: HTTP 200 only, at most 4 KiB, in pieces of 250 bytes.
std::wstring Nacist(const std::wstring& adresa, Hodiny::time_point konec, KontrolaAktualizaci::Spojeni& s) {
    using Spojeni = KontrolaAktualizaci::Spojeni;
    HINTERNET relace = ::InternetOpenW(L"RHttpTextSoubor", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!relace) VyhoditChybuInternetu(s, ::GetLastError());
    if (!Ulozit(s, relace, &Spojeni::relace)) VyhoditChybuInternetu(s, ERROR_INTERNET_OPERATION_CANCELLED);
    const auto zbyva = std::chrono::duration_cast<std::chrono::milliseconds>(konec - Hodiny::now()).count();
    for (DWORD volba : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT}) {
        DWORD hodnota = static_cast<DWORD>(std::max<long long>(zbyva, 1));
        ::InternetSetOptionW(relace, volba, &hodnota, sizeof hodnota);
    }
    const std::wstring url = Pravidla::AdresaSouboru(adresa);
    HINTERNET soubor = ::InternetOpenUrlW(relace, url.c_str(), nullptr, 0,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
    if (!soubor) VyhoditChybuInternetu(s, ::GetLastError());
    if (!Ulozit(s, soubor, &Spojeni::soubor)) VyhoditChybuInternetu(s, ERROR_INTERNET_OPERATION_CANCELLED);

    // Only a 200 answer carries the file (WinInet opens a 404 page just as well).
    DWORD stav = 0, velikost = sizeof stav;
    if (!::HttpQueryInfoW(soubor, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &stav, &velikost, nullptr))
        VyhoditChybuInternetu(s, ::GetLastError());
    if (stav != 200) Knihovna::Vyhodit(Knihovna::kE_FAIL, Pravidla::TextStavuHttp(stav));

    std::string data;
    char kus[250];
    while (true) {
        DWORD precteno = 0;
        if (!::InternetReadFile(soubor, kus, sizeof kus, &precteno)) VyhoditChybuInternetu(s, ::GetLastError());
        if (precteno == 0) break;
        data.append(kus, precteno);
        if (data.size() > Pravidla::kNejviceBajtu) break;  // far too long for a version file: refused below
        if (Hodiny::now() >= konec) VyhoditChybuInternetu(s, ERROR_INTERNET_TIMEOUT);
    }
    // The text ends at the first zero byte, as a C string would.
    if (const auto nula = data.find('\0'); nula != std::string::npos) data.resize(nula);
    std::wstring text;
    if (!data.empty() && data.size() <= Pravidla::kNejviceBajtu) {
        const int n = ::MultiByteToWideChar(CP_THREAD_ACP, 0, data.data(), static_cast<int>(data.size()), nullptr, 0);
        text.resize(static_cast<std::size_t>(n));
        ::MultiByteToWideChar(CP_THREAD_ACP, 0, data.data(), static_cast<int>(data.size()), text.data(), n);
    }
    auto verze = Pravidla::VerzeZeSouboru(text);
    if (!verze)
        Knihovna::Vyhodit(Knihovna::kE_FAIL, L"Soubor s číslem verze na webu nemá očekávaný obsah (" +
                                                 std::to_wstring(data.size()) + L" bajtů).");
    return *verze;
}

}  // namespace

std::wstring KontrolaAktualizaci::Stahnout(const std::wstring& adresa, std::chrono::milliseconds limit,
                                           const std::shared_ptr<Spojeni>& s) {
    const auto konec = Hodiny::now() + limit;
    // WinInet's blocking calls run on a thread of their own: neither its time-outs nor closing a handle from
    // another thread are relied upon to end a call on a server that accepts and never answers. When the budget
    // runs out (or the check is abandoned) that thread is let go; it owns its share of the state and ends when
    // the socket does.
    std::thread([s, adresa, konec] {
        std::wstring verze;
        std::optional<Chyba> chyba;
        try {
            verze = Nacist(adresa, konec, *s);
        } catch (const Chyba& c) {
            chyba = c;
        } catch (...) {
            chyba = Chyba(Knihovna::kE_UNEXPECTED);
        }
        s->Zavrit();
        std::lock_guard z(s->zamek);
        s->verze = std::move(verze);
        s->chyba = std::move(chyba);
        s->hotovo = true;
        s->konec.notify_all();
    }).detach();

    std::unique_lock z(s->zamek);
    if (!s->konec.wait_until(z, konec, [&] { return s->hotovo || s->opustena; })) {
        s->vyprsela = true;
        z.unlock();
        s->Zavrit();
        z.lock();
        s->konec.wait_for(z, std::chrono::milliseconds(500), [&] { return s->hotovo; });
    }
    if (s->hotovo) {
        if (s->chyba) throw *s->chyba;
        return s->verze;
    }
    const DWORD kod = s->vyprsela ? ERROR_INTERNET_TIMEOUT : ERROR_INTERNET_OPERATION_CANCELLED;
    Knihovna::Vyhodit(HresultZWin32(kod), Holvent::Ftp::PopisChybyWinInet(kod));
}

std::wstring KontrolaAktualizaci::Stahnout(const std::wstring& adresa, std::chrono::milliseconds limit) {
    return Stahnout(adresa, limit, std::make_shared<Spojeni>());
}

KontrolaAktualizaci::KontrolaAktualizaci() = default;

KontrolaAktualizaci::~KontrolaAktualizaci() { Opustit(); }

bool KontrolaAktualizaci::Spustit(HWND okno, UINT zprava, const std::wstring& adresa, std::uint32_t casovyLimit,
                                  bool tiche) {
    if (Bezi()) return false;
    pracovnik_.Zastavit(std::chrono::milliseconds(1000));  // the last one has posted its result and is ending
    auto spojeni = std::make_shared<Spojeni>();
    spojeni->bezi = true;
    spojeni->tiche = tiche;
    const auto limit = std::chrono::milliseconds(std::chrono::seconds(casovyLimit));
    const bool spusteno = pracovnik_.Spustit([okno, zprava, adresa, limit, spojeni](std::stop_token) {
        auto vysledek = std::make_unique<Vysledek>();
        try {
            vysledek->webovaVerze = Stahnout(adresa, limit, spojeni);
        } catch (const Chyba& c) {
            vysledek->chyba = c;
        } catch (...) {
            vysledek->chyba = Chyba(Knihovna::kE_UNEXPECTED);
        }
        vysledek->ticha = spojeni->tiche;
        spojeni->bezi = false;  // cleared before the post: the window may start the next check on receipt
        // An abandoned check reports nothing: its owner is closing.
        if (!spojeni->opustena && ::PostMessageW(okno, zprava, 0, reinterpret_cast<LPARAM>(vysledek.get())))
            vysledek.release();
    });
    if (!spusteno) return false;
    spojeni_ = std::move(spojeni);
    return true;
}

bool KontrolaAktualizaci::Bezi() const { return spojeni_ && spojeni_->bezi; }

bool KontrolaAktualizaci::Tiche() const { return Bezi() && spojeni_->tiche; }

void KontrolaAktualizaci::UcinitUzivatelskou() {
    if (spojeni_) spojeni_->tiche = false;
}

bool KontrolaAktualizaci::Opustit(std::chrono::milliseconds limit) {
    if (!spojeni_) return true;
    {
        std::lock_guard z(spojeni_->zamek);
        spojeni_->opustena = true;
        spojeni_->konec.notify_all();
    }
    spojeni_->Zavrit();
    const bool skoncil = pracovnik_.Zastavit(limit);
    spojeni_.reset();
    return skoncil;
}
