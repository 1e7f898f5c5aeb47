#include "net/win/PraceProhlizeceFtp.h"

#include <wininet.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/VyzvednutiZpravy.h"
#include "net/win/FtpSpojeni.h"

using Knihovna::Chyba;
using Knihovna::Formatovat;

namespace Holvent::Ftp {

// What all workers share with the window: where they post, and how many still run.
struct PraceProhlizeceFtp::Spolecne {
    std::mutex zamek;
    std::condition_variable konec;
    HWND okno = nullptr;  // nullptr once the window closes: later posts are refused
    int bezi = 0;

    bool Poslat(UINT zprava, WPARAM wp, LPARAM lp) {
        std::lock_guard z(zamek);
        return okno && ::PostMessageW(okno, zprava, wp, lp);
    }
    template <class T>
    void Poslat(UINT zprava, std::uint32_t generace, std::unique_ptr<T> vysledek) {
        if (Poslat(zprava, generace, reinterpret_cast<LPARAM>(vysledek.get()))) vysledek.release();
    }
};

struct PraceProhlizeceFtp::Uloha {
    enum class Druh { Vypis, Nahled, Stazeni };
    Druh druh = Druh::Vypis;
    std::uint32_t generace = 0;
    ParametryFtp parametry;
    std::wstring slozka, jmeno, cil;
    std::uint64_t velikost = 0;
    std::uint32_t filtr = 0;
    bool pripojeni = false;
    std::shared_ptr<Spolecne> spolecne;
    std::atomic<bool> hotovo{false};

    // The worker's handles; Zrusit (any thread) closes them once, after which the worker closes none.
    std::mutex zamek;
    HINTERNET koren = nullptr;
    std::unique_ptr<FtpSpojeni> spojeni;
    std::atomic<bool> zruseno{false};

    void Zrusit() {
        std::lock_guard z(zamek);
        if (zruseno.exchange(true)) return;
        if (spojeni) spojeni->Zrusit();  // closes the connection and its transfers
        if (koren) ::InternetCloseHandle(koren);  // returns a pending connect at once
        koren = nullptr;
    }
    // Closes a transfer's handle unless Zrusit has closed it with its parents.
    void Zavrit(HINTERNET h) {
        std::lock_guard z(zamek);
        if (h && !zruseno) ::InternetCloseHandle(h);
    }
    void Zkontrolovat() const {
        if (zruseno) throw Chyba(Knihovna::kE_ABORT, L"Přenos z FTP serveru byl přerušen.");
    }
};

namespace {

using Uloha = PraceProhlizeceFtp::Uloha;

std::wstring TextChyby(const Chyba& c) { return Knihovna::WinApi::PopisChyby(c); }

// Raises the last error of a local file operation: vzor names the file and then the system's message.
[[noreturn]] void ChybaSouboru(const wchar_t* vzor, const std::wstring& soubor) {
    const DWORD kod = ::GetLastError();
    const HRESULT hr = kod ? HRESULT_FROM_WIN32(kod) : E_FAIL;
    throw Chyba(hr, Formatovat(vzor, soubor.c_str(), Knihovna::WinApi::SystemovyPopis(hr).c_str()));
}

// A root handle of the worker's own and a logged-in connection on it.
HINTERNET Pripojit(Uloha& u) {
    HINTERNET koren = ::InternetOpenW(L"RTervik4", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!koren) Knihovna::WinApi::VyhoditPosledniChybu(L"Knihovnu WinInet nelze použít.");
    {
        std::lock_guard z(u.zamek);
        if (u.zruseno) {
            ::InternetCloseHandle(koren);
            u.Zkontrolovat();
        }
        u.koren = koren;
        u.spojeni = std::make_unique<FtpSpojeni>(u.parametry.server, u.parametry.uzivatel, u.parametry.heslo,
                                                 u.parametry.pasivni);
    }
    u.spojeni->Connect(koren);
    return u.spojeni->Handle();
}

// Reads the next piece of a transfer; 0 at its end.
DWORD Precist(Uloha& u, HINTERNET soubor, void* buf, DWORD velikost) {
    DWORD precteno = 0;
    if (!::InternetReadFile(soubor, buf, velikost, &precteno)) {
        u.Zkontrolovat();
        u.spojeni->Selhani(Formatovat(L"Čtení souboru \"%ls\"", u.jmeno.c_str()));
    }
    u.Zkontrolovat();
    return precteno;
}

HINTERNET OtevritSoubor(Uloha& u, HINTERNET spojeni) {
    const std::wstring cesta = CestaSouboruFtp(u.slozka, u.jmeno);
    HINTERNET soubor = ::FtpOpenFileW(spojeni, cesta.c_str(), GENERIC_READ,
                                      FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, 0);
    if (!soubor) u.spojeni->Selhani(Formatovat(L"Otevření souboru \"%ls\" na FTP serveru", cesta.c_str()));
    return soubor;
}

void PraceVypisu(Uloha& u) {
    auto konec = std::make_unique<KonecVypisuFtp>();
    konec->generace = u.generace;
    konec->slozka = u.slozka;
    konec->pripojeni = u.pripojeni;
    DavkyVypisuFtp davky(u.filtr);
    auto poslatDavku = [&] {
        auto d = std::make_unique<DavkaVypisuFtp>();
        d->generace = u.generace;
        d->slozka = u.slozka;
        davky.Vzit(d->slozky, d->soubory);
        d->prijato = davky.Prijato();
        if (!d->slozky.empty() || !d->soubory.empty()) u.spolecne->Poslat(kZpravaDavkaVypisu, u.generace, std::move(d));
    };
    try {
        HINTERNET spojeni = Pripojit(u);
        WIN32_FIND_DATAW data{};
        const std::wstring vzor = CestaVypisuFtp(u.slozka);
        HINTERNET hledani = ::FtpFindFirstFileW(spojeni, vzor.c_str(), &data,
                                                INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
        DWORD kod = hledani ? ERROR_NO_MORE_FILES : ::GetLastError();
        if (hledani) {
            do {
                if (u.zruseno) break;
                PolozkaFtp p{data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                             (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow};
                if (!davky.Pridat(std::move(p))) break;
                if (davky.DavkaPlna()) poslatDavku();
                if (!::InternetFindNextFileW(hledani, &data)) {
                    kod = ::GetLastError();
                    break;
                }
            } while (true);
            u.Zavrit(hledani);
        }
        u.Zkontrolovat();
        // An empty folder: ERROR_NO_MORE_FILES, under Wine no error code at all.
        if (kod != ERROR_NO_MORE_FILES && kod != 0) {
            ::SetLastError(kod);
            u.spojeni->Selhani(Formatovat(L"Načtení obsahu složky \"%ls\"", u.slozka.empty() ? L"/" : u.slozka.c_str()));
        }
    } catch (const Chyba& c) {
        konec->chyba = TextChyby(c);
    }
    poslatDavku();
    konec->prijato = davky.Prijato();
    konec->omezeno = davky.Omezeno();
    u.spolecne->Poslat(kZpravaKonecVypisu, u.generace, std::move(konec));
}

void PraceNahledu(Uloha& u) {
    u.spolecne->Poslat(kZpravaNahledZacatek, u.generace, 0);
    auto v = std::make_unique<VysledekNahleduFtp>();
    v->generace = u.generace;
    v->slozka = u.slozka;
    v->jmeno = u.jmeno;
    try {
        HINTERNET soubor = OtevritSoubor(u, Pripojit(u));
        // One read returns only what has arrived: read to the end, within the preview's limit.
        std::vector<std::uint8_t> buf(64 * 1024);
        try {
            while (const DWORD n = Precist(u, soubor, buf.data(), static_cast<DWORD>(buf.size()))) {
                if (v->data.size() + n > kMaxVelikostNahledu)
                    throw Chyba(Knihovna::kE_OUTOFMEMORY,
                                Formatovat(L"Soubor \"%ls\" je pro náhled příliš velký (více než %llu MB).",
                                           u.jmeno.c_str(),
                                           static_cast<unsigned long long>(kMaxVelikostNahledu >> 20)));
                v->data.insert(v->data.end(), buf.begin(), buf.begin() + n);
            }
        } catch (...) {
            u.Zavrit(soubor);
            throw;
        }
        u.Zavrit(soubor);
    } catch (const Chyba& c) {
        v->chyba = TextChyby(c);
        v->data.clear();
    } catch (const std::bad_alloc&) {
        v->chyba = Formatovat(L"Pro náhled souboru \"%ls\" není dost paměti.", u.jmeno.c_str());
        v->data = {};
    }
    const UINT zprava = v->chyba.empty() ? kZpravaNahledHotov : kZpravaNahledChyba;
    u.spolecne->Poslat(zprava, u.generace, std::move(v));
}

void PraceStazeni(Uloha& u) {
    u.spolecne->Poslat(kZpravaStazeniZacatek, u.generace, 0);
    auto v = std::make_unique<VysledekStazeniFtp>();
    v->generace = u.generace;
    v->slozka = u.slozka;
    v->jmeno = u.jmeno;
    v->cil = u.cil;
    const std::wstring castecny = CestaCastecnehoSouboru(u.cil);
    HANDLE mistni = INVALID_HANDLE_VALUE;
    HINTERNET soubor = nullptr;
    try {
        soubor = OtevritSoubor(u, Pripojit(u));
        // Shared for deletion: a window that stops waiting for this worker removes the partial file itself.
        mistni = ::CreateFileW(castecny.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (mistni == INVALID_HANDLE_VALUE) ChybaSouboru(L"Soubor \"%ls\" nelze vytvořit: %ls", castecny);
        PrubehStahovaniFtp prubeh(u.velikost);
        std::vector<char> buf(16 * 1024);
        std::uint64_t celkem = 0;
        while (const DWORD n = Precist(u, soubor, buf.data(), static_cast<DWORD>(buf.size()))) {
            DWORD zapsano = 0;
            if (!::WriteFile(mistni, buf.data(), n, &zapsano, nullptr) || zapsano != n)
                ChybaSouboru(L"Zápis do souboru \"%ls\" se nezdařil: %ls", castecny);
            celkem += n;
            if (prubeh.Prijato(celkem))
                u.spolecne->Poslat(kZpravaStazeniPrubeh, u.generace, static_cast<LPARAM>(celkem));
        }
        // A data connection the server cut off ends like a complete one: the listing's size tells them apart.
        if (u.velikost > 0 && celkem < u.velikost)
            throw Chyba(Knihovna::HresultZWin32(ERROR_INTERNET_CONNECTION_RESET),
                        Formatovat(L"Stahování souboru \"%ls\" bylo přerušeno (přijato %llu z %llu bajtů).",
                                   u.jmeno.c_str(), static_cast<unsigned long long>(celkem),
                                   static_cast<unsigned long long>(u.velikost)));
        v->bajty = celkem;
        u.Zavrit(soubor);
        soubor = nullptr;
        ::CloseHandle(mistni);
        mistni = INVALID_HANDLE_VALUE;
        std::lock_guard z(u.zamek);  // a closing window deletes no file this move has made complete
        u.Zkontrolovat();
        if (!::MoveFileExW(castecny.c_str(), u.cil.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
            ChybaSouboru(L"Soubor \"%ls\" nelze uložit: %ls", u.cil);
    } catch (const Chyba& c) {
        v->chyba = TextChyby(c);
    } catch (const std::bad_alloc&) {
        v->chyba = L"Pro stahování není dost paměti.";
    }
    if (soubor) u.Zavrit(soubor);
    if (mistni != INVALID_HANDLE_VALUE) ::CloseHandle(mistni);
    if (!v->chyba.empty()) ::DeleteFileW(castecny.c_str());  // the old target stays as it was
    const UINT zprava = v->chyba.empty() ? kZpravaStazeniHotovo : kZpravaStazeniChyba;
    u.spolecne->Poslat(zprava, u.generace, std::move(v));
}

}  // namespace

PraceProhlizeceFtp::PraceProhlizeceFtp(HWND okno) : spolecne_(std::make_shared<Spolecne>()) {
    spolecne_->okno = okno;
}

PraceProhlizeceFtp::~PraceProhlizeceFtp() { Zavrit(); }

std::uint32_t PraceProhlizeceFtp::Spustit(std::shared_ptr<Uloha>& slot, std::shared_ptr<Uloha> uloha) {
    if (zavreno_) return 0;
    if (slot) slot->Zrusit();
    uloha->generace = ++generace_;
    if (generace_ == 0) uloha->generace = ++generace_;  // 0 is never current
    uloha->spolecne = spolecne_;
    {
        std::lock_guard z(spolecne_->zamek);
        ++spolecne_->bezi;
    }
    try {
        std::thread([uloha] {
            switch (uloha->druh) {
                case Uloha::Druh::Vypis: PraceVypisu(*uloha); break;
                case Uloha::Druh::Nahled: PraceNahledu(*uloha); break;
                case Uloha::Druh::Stazeni: PraceStazeni(*uloha); break;
            }
            uloha->Zrusit();  // closes what is left
            uloha->hotovo = true;
            std::shared_ptr<Spolecne> s = uloha->spolecne;
            std::lock_guard z(s->zamek);
            --s->bezi;
            s->konec.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        std::lock_guard z(spolecne_->zamek);
        --spolecne_->bezi;
        slot.reset();
        return 0;
    }
    slot = std::move(uloha);
    return slot->generace;
}

std::uint32_t PraceProhlizeceFtp::Pripojit(const ParametryFtp& p, std::uint32_t filtrSoubory) {
    auto u = std::make_shared<Uloha>();
    u->druh = Uloha::Druh::Vypis;
    u->parametry = p;
    u->filtr = filtrSoubory;
    u->pripojeni = true;
    cekajici_ = p;
    return genVypisu_ = Spustit(vypis_, std::move(u));
}

std::uint32_t PraceProhlizeceFtp::Vypsat(const std::wstring& slozka, std::uint32_t filtrSoubory) {
    if (!pripojeno_) return 0;
    auto u = std::make_shared<Uloha>();
    u->druh = Uloha::Druh::Vypis;
    u->parametry = parametry_;
    u->slozka = slozka;
    u->filtr = filtrSoubory;
    return genVypisu_ = Spustit(vypis_, std::move(u));
}

std::uint32_t PraceProhlizeceFtp::Nahled(const std::wstring& slozka, const std::wstring& jmeno) {
    if (!pripojeno_) return 0;
    auto u = std::make_shared<Uloha>();
    u->druh = Uloha::Druh::Nahled;
    u->parametry = parametry_;
    u->slozka = slozka;
    u->jmeno = jmeno;
    return genNahledu_ = Spustit(nahled_, std::move(u));
}

std::uint32_t PraceProhlizeceFtp::Stahnout(const std::wstring& slozka, const std::wstring& jmeno,
                                           std::uint64_t velikost, const std::wstring& cil) {
    if (!pripojeno_ || StahovaniBezi() || cil.empty()) return 0;
    auto u = std::make_shared<Uloha>();
    u->druh = Uloha::Druh::Stazeni;
    u->parametry = parametry_;
    u->slozka = slozka;
    u->jmeno = jmeno;
    u->velikost = velikost;
    u->cil = cil;
    return genStazeni_ = Spustit(stazeni_, std::move(u));
}

bool PraceProhlizeceFtp::StahovaniBezi() const { return stazeni_ && !stazeni_->hotovo; }

void PraceProhlizeceFtp::Odpojit() {
    for (auto* u : {&vypis_, &nahled_, &stazeni_}) {
        if (*u) (*u)->Zrusit();
        u->reset();
    }
    genVypisu_ = genNahledu_ = genStazeni_ = 0;
    pripojeno_ = false;
    parametry_ = {};
}

void PraceProhlizeceFtp::Zavrit() {
    if (zavreno_) return;
    zavreno_ = true;
    const std::shared_ptr<Uloha> stazeni = stazeni_;
    Odpojit();
    std::unique_lock z(spolecne_->zamek);
    spolecne_->okno = nullptr;
    spolecne_->konec.wait_for(z, std::chrono::milliseconds(kCasZavreniMs), [&] { return spolecne_->bezi == 0; });
    z.unlock();
    // A download still blocked: its partial file goes now (shared for deletion, it vanishes when the worker
    // lets it go); the worker, cancelled, moves nothing over the target.
    if (stazeni && !stazeni->hotovo) {
        std::lock_guard zu(stazeni->zamek);
        ::DeleteFileW(CestaCastecnehoSouboru(stazeni->cil).c_str());
    }
}

bool PraceProhlizeceFtp::Aktualni(UINT zprava, WPARAM generace) const {
    if (generace == 0) return false;
    switch (zprava) {
        case kZpravaNahledHotov:
        case kZpravaNahledZacatek:
        case kZpravaNahledChyba: return generace == genNahledu_;
        case kZpravaStazeniZacatek:
        case kZpravaStazeniHotovo:
        case kZpravaStazeniPrubeh:
        case kZpravaStazeniChyba: return generace == genStazeni_;
        case kZpravaDavkaVypisu:
        case kZpravaKonecVypisu: return generace == genVypisu_;
        default: return false;
    }
}

void PraceProhlizeceFtp::KonecVypisu(const KonecVypisuFtp& konec) {
    if (!konec.pripojeni || konec.generace != genVypisu_ || !konec.chyba.empty()) return;
    parametry_ = cekajici_;
    pripojeno_ = true;
}

void PraceProhlizeceFtp::ZahoditNevyzvednute(HWND okno) {
    MSG m;
    using Knihovna::WinApi::VyzvednoutZpravu;
    for (UINT z : {kZpravaNahledHotov, kZpravaNahledChyba})
        while (VyzvednoutZpravu(m, okno, z)) delete reinterpret_cast<VysledekNahleduFtp*>(m.lParam);
    for (UINT z : {kZpravaStazeniHotovo, kZpravaStazeniChyba})
        while (VyzvednoutZpravu(m, okno, z)) delete reinterpret_cast<VysledekStazeniFtp*>(m.lParam);
    while (VyzvednoutZpravu(m, okno, kZpravaDavkaVypisu)) delete reinterpret_cast<DavkaVypisuFtp*>(m.lParam);
    while (VyzvednoutZpravu(m, okno, kZpravaKonecVypisu)) delete reinterpret_cast<KonecVypisuFtp*>(m.lParam);
}

}  // namespace Holvent::Ftp
