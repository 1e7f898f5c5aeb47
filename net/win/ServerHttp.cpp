#include <winsock2.h>

#include "net/win/ServerHttp.h"

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "app/TextyZprav.h"
#include "camera/AktivityKamery.h"
#include "camera/DruhSnimku.h"
#include "camera/win/SnimkyNaDisk.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/VyzvednutiZpravy.h"

using Knihovna::Chyba;
using Knihovna::Formatovat;
using Knihovna::Hresult;
using namespace Holvent::Server;

// One picture asked of the camera window by a request thread; the window answers it once.
struct ZadostSnimkuHttp {
    std::mutex zamek;
    std::condition_variable hotovo;
    bool vyrizeno = false;
    Hresult hr = Knihovna::kS_OK;
    std::wstring text;  // the error's own description, if any
    std::shared_ptr<const std::vector<std::uint8_t>> jpeg;

    void Vyridit(Hresult h, std::wstring t, std::shared_ptr<const std::vector<std::uint8_t>> j) {
        {
            std::lock_guard z(zamek);
            if (vyrizeno) return;
            hr = h;
            text = std::move(t);
            jpeg = std::move(j);
            vyrizeno = true;
        }
        hotovo.notify_all();
    }
};

// A line of a request thread for the camera's log and event log (written there by the switches).
struct ZaznamServeruHttp {
    bool chyba = false;
    std::wstring text;
};

struct StavServeruHttp {
    std::mutex zamek;
    std::condition_variable zmena;
    HWND okno = nullptr;        // null once the camera closes: nothing more is posted
    bool serverBezi = false;
    std::uint32_t generace = 0;  // each start and stop: the streams of an older run end
    bool video = false;
    std::uint32_t vlakna = 0;
    std::vector<SOCKET> sokety;  // the request threads' sockets, shut when the camera closes

    // Posted under the lock: closing clears okno first and then collects what was posted, so nothing is lost.
    bool Poslat(WPARAM druh, void* obsah) {
        std::lock_guard z(zamek);
        return okno && ::PostMessageW(okno, kZpravaSnimekServeru, druh, reinterpret_cast<LPARAM>(obsah));
    }
    bool KameraZavrena() {
        std::lock_guard z(zamek);
        return !okno;
    }
};

namespace {

constexpr auto kLimitOdpovediOkna = std::chrono::seconds(10);
constexpr auto kLimitBezPokroku = std::chrono::seconds(10);  // a client that takes nothing for so long is dropped
constexpr auto kLimitDoteceni = std::chrono::seconds(2);
constexpr long kKrokCekaniUs = 200000;
constexpr const wchar_t* kTextOdeslano = L"Byl odeslán snímek z HTTP serveru";
constexpr const wchar_t* kTextChybaOdeslani = L"Došlo k chybě při odeslání snímku z HTTP serveru";

std::uint32_t Tiky() { return ::GetTickCount(); }

// The system has no text for some Winsock codes (Wine has none at all): the usual ones get their own.
std::wstring PopisSoketu(int kod) {
    switch (kod) {
    case WSAEADDRINUSE: return L"Port už používá jiný program.";
    case WSAEACCES: return L"Přístup k portu byl odepřen.";
    case WSAEADDRNOTAVAIL: return L"Adresa není na tomto počítači k dispozici.";
    case WSAENOBUFS: return L"Systému došly prostředky pro sokety.";
    case WSANOTINITIALISED: return L"Síťové rozhraní Windows Sockets není inicializováno.";
    case WSAETIMEDOUT: return L"Klient 10 s nepřijímal data.";
    case WSAECONNRESET: return L"Klient spojení přerušil.";
    case WSAECONNABORTED: return L"Spojení bylo ukončeno.";
    }
    return {};
}

[[noreturn]] void VyhoditChybuSoketu(int kod) {
    Knihovna::Vyhodit(Knihovna::HresultZWin32(static_cast<std::uint32_t>(kod)), PopisSoketu(kod));
}

// The picture as the window gave it, or the failure.
struct Snimek {
    Hresult hr = Knihovna::kS_OK;
    std::wstring text;
    std::shared_ptr<const std::vector<std::uint8_t>> jpeg;
};

Snimek ZiskatSnimek(StavServeruHttp& stav) {
    auto zadost = std::make_shared<ZadostSnimkuHttp>();
    auto* posilany = new std::shared_ptr<ZadostSnimkuHttp>(zadost);
    if (!stav.Poslat(ServerHttp::kZadostSnimek, posilany)) {
        delete posilany;
        return {Knihovna::kE_ABORT, {}, nullptr};
    }
    std::unique_lock z(zadost->zamek);
    if (!zadost->hotovo.wait_for(z, kLimitOdpovediOkna, [&] { return zadost->vyrizeno; }))
        return {Knihovna::HresultZWin32(WAIT_TIMEOUT), L"Okno kamery neodpovědělo do 10 s.", nullptr};
    return {zadost->hr, zadost->text, zadost->jpeg};
}

void Zapsat(StavServeruHttp& stav, bool chyba, std::wstring text) {
    auto zaznam = std::make_unique<ZaznamServeruHttp>(ZaznamServeruHttp{chyba, std::move(text)});
    if (stav.Poslat(ServerHttp::kZadostZaznam, zaznam.get())) zaznam.release();
}

std::wstring TextChyby(Hresult hr, const std::wstring& vlastni) {
    const std::wstring systemovy = Knihovna::WinApi::SystemovyPopis(hr);
    const std::wstring popis = vlastni.empty() ? systemovy : Formatovat(L"%ls - %ls", systemovy.c_str(), vlastni.c_str());
    return Formatovat(L"%ls. Chyba: %ls", kTextChybaOdeslani, popis.c_str());
}

// Sends everything: 0, or the Winsock error (WSAETIMEDOUT when the client took nothing for 10 s, WSAECONNABORTED
// when zrusit asked to stop).
int PoslatVse(SOCKET s, const char* data, std::size_t delka, const std::function<bool()>& zrusit) {
    auto pokrok = std::chrono::steady_clock::now();
    while (delka > 0) {
        const int n = ::send(s, data, static_cast<int>(std::min<std::size_t>(delka, 1 << 16)), 0);
        if (n > 0) {
            data += n;
            delka -= static_cast<std::size_t>(n);
            pokrok = std::chrono::steady_clock::now();
            continue;
        }
        const int chyba = ::WSAGetLastError();
        if (chyba != WSAEWOULDBLOCK) return chyba;
        if (zrusit()) return WSAECONNABORTED;
        if (std::chrono::steady_clock::now() - pokrok > kLimitBezPokroku) return WSAETIMEDOUT;
        fd_set zapis;
        FD_ZERO(&zapis);
        FD_SET(s, &zapis);
        timeval krok{0, kKrokCekaniUs};
        ::select(0, nullptr, &zapis, nullptr, &krok);
    }
    return 0;
}

int PoslatVse(SOCKET s, std::string_view data, const std::function<bool()>& zrusit) {
    return PoslatVse(s, data.data(), data.size(), zrusit);
}

// Waits ms before a stream's next frame; false when the client closed or broke the connection, or zrusit.
bool CekatNaKlienta(SOCKET s, std::uint32_t ms, const std::function<bool()>& zrusit) {
    const auto konec = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        if (zrusit()) return false;
        const auto zbyva = std::chrono::duration_cast<std::chrono::microseconds>(konec - std::chrono::steady_clock::now());
        fd_set cteni;
        FD_ZERO(&cteni);
        FD_SET(s, &cteni);
        timeval krok{0, static_cast<long>(std::clamp<long long>(zbyva.count(), 0, kKrokCekaniUs))};
        const int n = ::select(0, &cteni, nullptr, nullptr, &krok);
        if (n < 0) return false;
        if (n > 0) {
            char zahodit[1024];
            const int k = ::recv(s, zahodit, sizeof zahodit, 0);
            if (k == 0 || (k < 0 && ::WSAGetLastError() != WSAEWOULDBLOCK)) return false;
        }
    } while (std::chrono::steady_clock::now() < konec);
    return true;
}

// The end of an answer: the client learns it by our end of sending; what it still sends is read for at most 2 s,
// so that closing does not reset the connection under data it has not read yet.
void Doposlat(SOCKET s) {
    ::shutdown(s, SD_SEND);
    const auto konec = std::chrono::steady_clock::now() + kLimitDoteceni;
    while (std::chrono::steady_clock::now() < konec) {
        fd_set cteni;
        FD_ZERO(&cteni);
        FD_SET(s, &cteni);
        timeval krok{0, kKrokCekaniUs};
        const int n = ::select(0, &cteni, nullptr, nullptr, &krok);
        if (n < 0) return;
        if (n > 0) {
            char zahodit[1024];
            const int k = ::recv(s, zahodit, sizeof zahodit, 0);
            if (k == 0 || (k < 0 && ::WSAGetLastError() != WSAEWOULDBLOCK)) return;
        }
    }
}

void OdeslatProud(SOCKET s, StavServeruHttp& stav, std::uint32_t generace, std::uint32_t snimkuZaSekundu) {
    bool videoVypnuto = false;
    const auto zrusit = [&] {
        std::lock_guard z(stav.zamek);
        videoVypnuto = stav.okno && !stav.video;
        return !stav.okno || !stav.serverBezi || stav.generace != generace || !stav.video;
    };
    TempoProudu tempo(snimkuZaSekundu);
    bool zapsano = false;
    if (PoslatVse(s, HlavaProudu(), zrusit) != 0) return;
    for (;;) {
        if (!CekatNaKlienta(s, tempo.CekatMs(Tiky()), zrusit)) break;
        const Snimek snimek = ZiskatSnimek(stav);
        tempo.Odeslano(Tiky());
        if (Knihovna::Selhalo(snimek.hr) || !snimek.jpeg) {
            if (!stav.KameraZavrena()) Zapsat(stav, true, TextChyby(snimek.hr, snimek.text));
            return;
        }
        const auto& jpeg = *snimek.jpeg;
        int chyba = PoslatVse(s, HlavaCastiProudu(jpeg.size()), zrusit);
        if (chyba == 0) chyba = PoslatVse(s, reinterpret_cast<const char*>(jpeg.data()), jpeg.size(), zrusit);
        if (chyba == 0) chyba = PoslatVse(s, kKonecCasti, zrusit);
        if (chyba == WSAETIMEDOUT) {
            Zapsat(stav, true, TextChyby(Knihovna::HresultZWin32(static_cast<std::uint32_t>(chyba)), PopisSoketu(chyba)));
            return;
        }
        if (chyba != 0) break;
        if (!zapsano) Zapsat(stav, false, kTextOdeslano);
        zapsano = true;
    }
    // The video went off under a running stream: its end is a failure the log keeps.
    if (videoVypnuto) Zapsat(stav, true, TextChyby(Knihovna::kE_NOINTERFACE, {}));
}

void OdeslatJednu(SOCKET s, Pozadavek druh, StavServeruHttp& stav) {
    const auto zrusit = [&stav] { return stav.KameraZavrena(); };
    if (druh == Pozadavek::Neautorizovano) {
        PoslatVse(s, OdpovedNeautorizovano(), zrusit);
        return;
    }
    const Snimek snimek = ZiskatSnimek(stav);
    if (Knihovna::Selhalo(snimek.hr) || !snimek.jpeg) {
        Zapsat(stav, true, TextChyby(snimek.hr, snimek.text));
        return;
    }
    const auto& jpeg = *snimek.jpeg;
    int chyba = 0;
    if (druh != Pozadavek::Surovy) chyba = PoslatVse(s, HlavaSnimku(jpeg.size()), zrusit);
    if (chyba == 0 && druh != Pozadavek::Hlava)
        chyba = PoslatVse(s, reinterpret_cast<const char*>(jpeg.data()), jpeg.size(), zrusit);
    if (chyba != 0)
        Zapsat(stav, true, TextChyby(Knihovna::HresultZWin32(static_cast<std::uint32_t>(chyba)), PopisSoketu(chyba)));
    else if (druh != Pozadavek::Hlava) Zapsat(stav, false, kTextOdeslano);
}

// One admitted request on its own thread: it owns its socket and holds only the shared state.
void OdeslatSnimekHttp(SOCKET s, Pozadavek druh, std::shared_ptr<StavServeruHttp> stav, std::uint32_t generace,
                       std::uint32_t snimkuZaSekundu) {
    try {
        if (druh == Pozadavek::Proud) OdeslatProud(s, *stav, generace, snimkuZaSekundu);
        else OdeslatJednu(s, druh, *stav);
    } catch (...) {
        // Out of memory for a head or a line: the connection just closes.
    }
    Doposlat(s);
    {
        std::lock_guard z(stav->zamek);
        std::erase(stav->sokety, s);
        --stav->vlakna;
    }
    stav->zmena.notify_all();
    ::closesocket(s);
}

}  // namespace

ServerHttp::ServerHttp(ParametryKamery& parametry, HlaseniCesty& hlaseni, const std::wstring& jmenoKamery)
    : parametry_(parametry), hlaseni_(hlaseni), jmenoKamery_(jmenoKamery), stav_(std::make_shared<StavServeruHttp>()) {}

ServerHttp::~ServerHttp() {
    for (std::size_t i = cekajici_.size(); i-- > 0;) ZavritCekajici(i);
    if (Bezi()) ::closesocket(static_cast<SOCKET>(soket_));
}

std::uint32_t ServerHttp::PeriodaSnimku() const {
    return TempoProudu(parametry_.httpServer.snimkuZaSekundu).PeriodaMs();
}

void ServerHttp::SpustitServerHttp(HWND okno) {
    if (Bezi()) return;
    const std::uint32_t port = parametry_.httpServer.portServer;
    // A port outside the range would let the system choose one nobody knows.
    if (port < 1 || port > 65535)
        Knihovna::Vyhodit(Knihovna::kE_INVALIDARG, Formatovat(L"Port %u je mimo rozsah 1 až 65535.", port));
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) VyhoditChybuSoketu(::WSAGetLastError());
    const auto selhani = [s] {
        const int chyba = ::WSAGetLastError();
        ::closesocket(s);
        VyhoditChybuSoketu(chyba);
    };
    sockaddr_in adresa{};
    adresa.sin_family = AF_INET;
    adresa.sin_addr.s_addr = htonl(INADDR_ANY);
    adresa.sin_port = htons(static_cast<u_short>(port));
    if (::bind(s, reinterpret_cast<const sockaddr*>(&adresa), sizeof adresa) != 0) selhani();
    if (::WSAAsyncSelect(s, okno, kZpravaSoketServeru, FD_ACCEPT | FD_READ | FD_CLOSE) != 0) selhani();
    if (::listen(s, SOMAXCONN) != 0) selhani();
    if (!::SetTimer(okno, kCasovacServer, kPeriodaCasovace, nullptr)) {
        ::closesocket(s);
        Knihovna::WinApi::VyhoditPosledniChybu();
    }
    soket_ = static_cast<std::uintptr_t>(s);
    port_ = static_cast<std::uint16_t>(port);
    {
        std::lock_guard z(stav_->zamek);
        stav_->okno = okno;
        stav_->serverBezi = true;
        stav_->video = true;  // the window starts the server only with the video on
        ++stav_->generace;
    }
    hlaseni_.ZmenaAktivit();
}

void ServerHttp::ZastavitServerHttp(HWND okno) {
    if (!Bezi()) return;
    ::closesocket(static_cast<SOCKET>(soket_));
    soket_ = kZadnySoket;
    ::KillTimer(okno, kCasovacServer);
    for (std::size_t i = cekajici_.size(); i-- > 0;) ZavritCekajici(i);
    {
        std::lock_guard z(stav_->zamek);
        stav_->serverBezi = false;
        ++stav_->generace;
    }
    hlaseni_.ZmenaAktivit();
}

void ServerHttp::Prepnout(HWND okno, bool video) {
    if (Bezi()) {
        ZastavitServerHttp(okno);
        return;
    }
    if (!video) {
        hlaseni_.Pipnout();
        hlaseni_.ZpravaCesty(2, L"Pro použití této funkce musí být zapnuté video", 2);
        return;
    }
    try {
        SpustitServerHttp(okno);
    } catch (const Chyba& chyba) {
        hlaseni_.ZpravaCesty(3,
                             TextyZprav::Chyba(Formatovat(L"HTTP server se nepodařilo spustit na portu %u",
                                                          parametry_.httpServer.portServer),
                                               Knihovna::WinApi::PopisChyby(chyba)),
                             2);
    }
}

void ServerHttp::ZavritCekajici(std::size_t index) {
    ::closesocket(static_cast<SOCKET>(cekajici_[index].soket));
    cekajici_.erase(cekajici_.begin() + static_cast<std::ptrdiff_t>(index));
}

void ServerHttp::Soket(HWND okno, WPARAM soket, LPARAM udalost) {
    const WORD co = WSAGETSELECTEVENT(udalost);
    if (co == FD_ACCEPT) {
        if (soket == soket_) Prijmout(okno);
        return;
    }
    // A notification of a socket that has left the table (handed over or closed) meanwhile is stale.
    for (std::size_t i = 0; i < cekajici_.size(); ++i)
        if (cekajici_[i].soket == soket) {
            Precist(okno, i, co == FD_CLOSE);
            return;
        }
}

void ServerHttp::Prijmout(HWND okno) {
    // Each notification takes what is waiting (bounded: the next notification comes for the rest).
    for (int n = 0; n < 64; ++n) {
        SOCKET s = ::accept(static_cast<SOCKET>(soket_), nullptr, nullptr);
        if (s == INVALID_SOCKET) return;
        if (cekajici_.size() >= kMaxCekajicich) {
            // A flood of silent connections must not push out those already here: the newest goes.
            ::closesocket(s);
            continue;
        }
        ::WSAAsyncSelect(s, okno, kZpravaSoketServeru, FD_READ | FD_CLOSE);
        cekajici_.push_back({static_cast<std::uintptr_t>(s), SpojeniServeru(parametry_.httpServer.heslo, Tiky()), false});
    }
}

void ServerHttp::Precist(HWND okno, std::size_t index, bool zavreno) {
    Cekajici& c = cekajici_[index];
    char buffer[1024];
    // A head is at most 8 KiB: the state machine decides within these rounds.
    for (int n = 0; n < 16 && c.spojeni.Stav() == Pozadavek::Nerozhodnuto; ++n) {
        const int k = ::recv(static_cast<SOCKET>(c.soket), buffer, sizeof buffer, 0);
        if (k > 0) {
            c.neco = true;
            c.spojeni.Prijmout(std::string_view(buffer, static_cast<std::size_t>(k)), Tiky());
            continue;
        }
        if (k == 0) zavreno = true;
        else if (::WSAGetLastError() != WSAEWOULDBLOCK) {
            ZavritCekajici(index);
            return;
        }
        break;
    }
    if (Rozhodnout(okno, index)) return;
    // Gone without a byte: nothing to answer. With bytes, the time decides (a raw client may half-close).
    if (zavreno && !c.neco) ZavritCekajici(index);
}

bool ServerHttp::Rozhodnout(HWND okno, std::size_t index) {
    Cekajici& c = cekajici_[index];
    const Pozadavek druh = c.spojeni.Stav();
    if (druh == Pozadavek::Nerozhodnuto) return false;
    const SOCKET s = static_cast<SOCKET>(c.soket);
    if (druh == Pozadavek::Zavrit) {
        ZavritCekajici(index);
        return true;
    }
    bool volno;
    {
        std::lock_guard z(stav_->zamek);
        volno = LzeSpustitPozadavek(stav_->vlakna, parametry_.httpServer.maxPocetVlaken);
    }
    if (!volno) {
        // Over the limit: refused with no data.
        ZavritCekajici(index);
        return true;
    }
    ::WSAAsyncSelect(s, okno, 0, 0);
    cekajici_.erase(cekajici_.begin() + static_cast<std::ptrdiff_t>(index));
    SpustitVlakno(s, druh);
    return true;
}

void ServerHttp::SpustitVlakno(std::uintptr_t soket, Pozadavek druh) {
    const SOCKET s = static_cast<SOCKET>(soket);
    std::uint32_t generace;
    {
        std::lock_guard z(stav_->zamek);
        ++stav_->vlakna;
        stav_->sokety.push_back(s);
        generace = stav_->generace;
    }
    try {
        std::thread(OdeslatSnimekHttp, s, druh, stav_, generace, parametry_.httpServer.snimkuZaSekundu).detach();
    } catch (const std::exception&) {
        {
            std::lock_guard z(stav_->zamek);
            std::erase(stav_->sokety, s);
            --stav_->vlakna;
        }
        ::closesocket(s);
    }
}

void ServerHttp::Casovac(HWND okno) {
    const std::uint32_t nyni = Tiky();
    for (std::size_t i = cekajici_.size(); i-- > 0;) {
        cekajici_[i].spojeni.Cas(nyni);
        Rozhodnout(okno, i);
    }
}

void ServerHttp::Zadost(WPARAM druh, LPARAM lp, Holvent::DirectShow::ZachytavaniVidea& zachytavani, StavSnimku& stav) {
    if (druh == kZadostZaznam) {
        ZpracovatZaznam(lp);
        return;
    }
    std::unique_ptr<std::shared_ptr<ZadostSnimkuHttp>> drzena(reinterpret_cast<std::shared_ptr<ZadostSnimkuHttp>*>(lp));
    if (!drzena || !*drzena) return;
    ZadostSnimkuHttp& zadost = **drzena;
    if (!zachytavani.GrafExistuje()) {
        zadost.Vyridit(Knihovna::kE_NOINTERFACE, {}, nullptr);
        return;
    }
    const std::uint32_t nyni = Tiky();
    // Clients within one frame period share one grab and encoding.
    if (posledni_ && LzeSdilet(posledniTik_, nyni, PeriodaSnimku())) {
        zadost.Vyridit(Knihovna::kS_OK, {}, posledni_);
        return;
    }
    try {
        posledni_ = std::make_shared<const std::vector<std::uint8_t>>(
            SnimkyNaDisk::SnimekDoPameti(zachytavani, stav, kSnimekHttp, parametry_.httpServer.snimek));
        posledniTik_ = nyni;
        zadost.Vyridit(Knihovna::kS_OK, {}, posledni_);
    } catch (const Chyba& chyba) {
        posledni_.reset();
        zadost.Vyridit(chyba.Hr(), chyba.Text(), nullptr);
    } catch (const std::exception&) {
        posledni_.reset();
        zadost.Vyridit(Knihovna::kE_OUTOFMEMORY, {}, nullptr);
    }
}

void ServerHttp::ZpracovatZaznam(LPARAM lp) {
    std::unique_ptr<ZaznamServeruHttp> zaznam(reinterpret_cast<ZaznamServeruHttp*>(lp));
    if (!zaznam) return;
    const auto& log = parametry_.logovani;
    const auto& udalosti = parametry_.zapisUdalosti;
    if (zaznam->chyba ? log.snimekServerHttpChyba : log.snimekServerHttp) hlaseni_.LogKamery(zaznam->text);
    if (zaznam->chyba ? udalosti.snimekServerHttpChyba : udalosti.snimekServerHttp)
        hlaseni_.UdalostKamery(Formatovat(L"Tervik \"%ls\": %ls", jmenoKamery_.c_str(), zaznam->text.c_str()),
                               zaznam->chyba);
}

LRESULT ServerHttp::Zatizeni() const {
    std::lock_guard z(stav_->zamek);
    return MAKELRESULT(stav_->vlakna, cekajici_.size() + stav_->sokety.size());
}

void ServerHttp::Video(bool zapnuto) {
    if (!zapnuto) posledni_.reset();
    std::lock_guard z(stav_->zamek);
    stav_->video = zapnuto;
}

void ServerHttp::Zavrit(HWND okno, std::chrono::milliseconds limit) {
    ZastavitServerHttp(okno);
    {
        std::lock_guard z(stav_->zamek);
        stav_->okno = nullptr;
        // Blocked sends and waits of the request threads end at once.
        for (SOCKET s : stav_->sokety) ::shutdown(s, SD_BOTH);
    }
    // What was posted before: pictures fail, lines are still written.
    for (MSG m; Knihovna::WinApi::VyzvednoutZpravu(m, okno, kZpravaSnimekServeru);) {
        if (m.wParam == kZadostZaznam) {
            ZpracovatZaznam(m.lParam);
        } else {
            std::unique_ptr<std::shared_ptr<ZadostSnimkuHttp>> drzena(
                reinterpret_cast<std::shared_ptr<ZadostSnimkuHttp>*>(m.lParam));
            if (drzena && *drzena) (*drzena)->Vyridit(Knihovna::kE_ABORT, {}, nullptr);
        }
    }
    posledni_.reset();
    std::uint32_t zbyva = 0;
    {
        std::unique_lock z(stav_->zamek);
        stav_->zmena.wait_for(z, limit, [this] { return stav_->vlakna == 0; });
        zbyva = stav_->vlakna;
    }
    if (zbyva > 0)
        hlaseni_.LogKamery(Formatovat(L"Při vypnutí kamery ještě běží %u požadavků HTTP serveru; skončí samy.", zbyva));
}
