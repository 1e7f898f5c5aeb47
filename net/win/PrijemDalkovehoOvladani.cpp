#include "net/win/PrijemDalkovehoOvladani.h"

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "camera/win/TervikOkno.h"
#include "knihovna/Formatovani.h"
#include "resources/IdZdroju.h"

using namespace DalkoveOvladani;
using Knihovna::Chyba;
using Knihovna::Formatovat;

namespace {

// Connections taken in one go: a flood of refused peers must not hold the window's thread.
constexpr int kMaxPrijetiNaraz = 64;

[[noreturn]] void VyhoditChybuSoketu(int kod, std::uint32_t port) {
    if (!kod) kod = WSAEINVAL;
    // The common case gets words of its own (Wine has no system text for it).
    std::wstring text;
    if (kod == WSAEADDRINUSE) text = Formatovat(L"Port %u již používá jiný program.", port);
    throw Chyba(Knihovna::HresultZWin32(static_cast<std::uint32_t>(kod)), std::move(text));
}

void NastavitLimit(SOCKET s, int volba, DWORD ms) {
    ::setsockopt(s, SOL_SOCKET, volba, reinterpret_cast<const char*>(&ms), sizeof ms);
}

}  // namespace

PrijemDalkovehoOvladani::~PrijemDalkovehoOvladani() {
    // The window ended without closing (the process's end): everything goes quietly.
    if (klient_ != INVALID_SOCKET) ::closesocket(klient_);
    if (naslouchani_ != INVALID_SOCKET) ::closesocket(naslouchani_);
    pracovnik_.Zastavit(kLimitZastaveni);
}

// ------------------------------------------------------------------------------------------ start, stop

void PrijemDalkovehoOvladani::SpustitPrijem(HWND okno) {
    if (Bezi()) return;
    const std::uint32_t port = Aplikace::Instance().Nastaveni().portPrijem;
    // Port 0 would listen on a port nobody knows.
    if (port == 0 || port > 65535)
        throw Chyba(Knihovna::kE_INVALIDARG, Formatovat(L"Port %u není platný port TCP (1 - 65535).", port));
    okno_ = okno;
    NacistPovoleneAdresy();
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) VyhoditChybuSoketu(::WSAGetLastError(), port);
    sockaddr_in adresa{};
    adresa.sin_family = AF_INET;
    adresa.sin_addr.s_addr = htonl(INADDR_ANY);
    adresa.sin_port = htons(static_cast<u_short>(port));
    if (::bind(s, reinterpret_cast<const sockaddr*>(&adresa), sizeof adresa) == SOCKET_ERROR ||
        ::WSAAsyncSelect(s, okno, kZpravaSoketPrijmu, FD_ACCEPT | FD_READ) == SOCKET_ERROR ||
        ::listen(s, SOMAXCONN) == SOCKET_ERROR) {
        const int kod = ::WSAGetLastError();
        ::closesocket(s);
        VyhoditChybuSoketu(kod, port);
    }
    naslouchani_ = s;
    port_ = port;
    Zaznamenat(true);
}

bool PrijemDalkovehoOvladani::SpustitSHlasenim(HWND okno) {
    auto& app = Aplikace::Instance();
    try {
        SpustitPrijem(okno);
        return true;
    } catch (const Chyba& chyba) {
        app.ZobrazitChybu(TextyZprav::Chyba(
            Formatovat(L"Příjem síťového ovládání se nepodařilo spustit na portu %u", app.Nastaveni().portPrijem),
            app.PopisChybyCom(chyba)));
        return false;
    }
}

void PrijemDalkovehoOvladani::UkoncitPrijem() {
    if (!Bezi()) return;
    ::KillTimer(okno_, kCasovac);
    if (klient_ != INVALID_SOCKET) ::closesocket(klient_);
    klient_ = INVALID_SOCKET;
    ::closesocket(naslouchani_);
    naslouchani_ = INVALID_SOCKET;
    // A reply on its way still goes out (the command 40001 ends the application right after its reply).
    pracovnik_.Zastavit(kLimitZastaveni);
    odpovida_ = false;
    Zaznamenat(false);
}

void PrijemDalkovehoOvladani::PoZmeneNastaveni(HWND okno) {
    if (!Bezi()) return;
    if (Aplikace::Instance().Nastaveni().portPrijem != port_) {
        UkoncitPrijem();
        SpustitSHlasenim(okno);
    } else {
        NacistPovoleneAdresy();
    }
}

void PrijemDalkovehoOvladani::NacistPovoleneAdresy() {
    auto& app = Aplikace::Instance();
    std::vector<std::wstring> chyby;
    povolene_ = PovoleneAdresy::Nacist(app.Nastaveni().povoleneAdresy, chyby);
    for (const std::wstring& text : chyby) app.ZapsatLog(text);
}

void PrijemDalkovehoOvladani::Zaznamenat(bool start) {
    auto& app = Aplikace::Instance();
    const auto& n = app.Nastaveni();
    const UINT id = start ? IdZdroju::kTextSpustenPrijem : IdZdroju::kTextUkoncenPrijem;
    if (start ? n.logSpusteniPrijemSitOvl : n.logUkonceniPrijemSitOvl) app.ZapsatLog(id);
    if (start ? n.udalostSpusteniPrijemSitOvl : n.udalostUkonceniPrijemSitOvl) app.ZapsatUdalostInfo(id);
}

// ------------------------------------------------------------------------------------------ the client

void PrijemDalkovehoOvladani::UdalostSoketu(WPARAM wp, LPARAM lp) {
    const auto soket = static_cast<SOCKET>(wp);
    const WORD udalost = WSAGETSELECTEVENT(lp);
    if (soket == naslouchani_ && Bezi()) {
        // While the one client is served the connection waits; its end accepts it (the notification is not
        // posted again until accept is called).
        if (udalost == FD_ACCEPT) Prijmout();
        return;
    }
    // A notification of a client already gone (its handle perhaps reused) finds nothing to read below.
    if (soket != klient_ || klient_ == INVALID_SOCKET) return;
    if (WSAGETSELECTERROR(lp) != 0) {
        ZavritKlienta();
        return;
    }
    if (udalost == FD_READ || udalost == FD_CLOSE) Cist();
}

void PrijemDalkovehoOvladani::Prijmout() {
    auto& app = Aplikace::Instance();
    for (int i = 0; i < kMaxPrijetiNaraz && Bezi() && klient_ == INVALID_SOCKET && !odpovida_; ++i) {
        sockaddr_in adresa{};
        int delka = sizeof adresa;
        const SOCKET s = ::accept(naslouchani_, reinterpret_cast<sockaddr*>(&adresa), &delka);
        if (s == INVALID_SOCKET) return;  // none pending (or it went away): the next FD_ACCEPT brings it
        const std::uint32_t peer = ntohl(adresa.sin_addr.s_addr);
        if (adresa.sin_family != AF_INET || !povolene_.Povolena(peer)) {
            ::closesocket(s);
            if (odmitnuti_.Hlasit(peer, ::GetTickCount())) app.ZapsatLog(HlaseniOdmitnuti::Text(peer));
            continue;
        }
        if (::WSAAsyncSelect(s, okno_, kZpravaSoketPrijmu, FD_READ | FD_CLOSE) == SOCKET_ERROR) {
            ::closesocket(s);
            continue;
        }
        klient_ = s;
        sber_.Vymazat();
        ::SetTimer(okno_, kCasovac, kLimitPozadavku, nullptr);
    }
}

void PrijemDalkovehoOvladani::Cist() {
    char data[SberPozadavku::kMaxDelka];
    // Everything there is: after FD_CLOSE no further notification comes for the rest.
    while (!sber_.Hotovo()) {
        const int n = ::recv(klient_, data, static_cast<int>(sber_.Zbyva()), 0);
        if (n > 0) {
            sber_.Pridat(std::string_view(data, static_cast<std::size_t>(n)));
        } else if (n == 0) {
            sber_.KonecOdesilani();
        } else {
            if (::WSAGetLastError() != WSAEWOULDBLOCK) ZavritKlienta();
            return;
        }
    }
    ::KillTimer(okno_, kCasovac);
    ZpracovatPrikaz(sber_.Text());
}

void PrijemDalkovehoOvladani::Casovac() {
    ::KillTimer(okno_, kCasovac);
    // No whole request in time: the slot goes to the next one.
    if (klient_ != INVALID_SOCKET && !odpovida_) ZavritKlienta();
}

void PrijemDalkovehoOvladani::ZavritKlienta() {
    ::KillTimer(okno_, kCasovac);
    if (klient_ != INVALID_SOCKET) {
        ::shutdown(klient_, SD_SEND);
        ::closesocket(klient_);
    }
    klient_ = INVALID_SOCKET;
    Prijmout();
}

void PrijemDalkovehoOvladani::ZpracovatPrikaz(std::string_view text) {
    const std::int32_t cislo = CisloPrikazu(text);
    if (cislo < 0) {
        ZavritKlienta();
        return;
    }
    auto& app = Aplikace::Instance();
    Tervik* kamera = app.Kamery().VychoziKamera();
    auto* okno = dynamic_cast<TervikOkno*>(kamera);
    StavKamery stav;
    stav.existuje = kamera != nullptr;
    if (kamera && kamera->Bezi()) {
        stav.zapnuta = true;
        stav.video = kamera->VideoBezi();
        stav.serverHttp = kamera->ServerHttpBezi();
        stav.autoFtp = kamera->AutoFtpBezi();
        stav.autoEmail = kamera->AutoEmailBezi();
        const std::uint32_t prikaz = PrikazKamery(static_cast<std::uint32_t>(cislo));
        stav.prikazDostupny = prikaz != 0 && okno && kamera->PrikazDostupny(prikaz);
    }
    const Vysledek vysledek = Vyhodnotit(static_cast<std::uint32_t>(cislo), stav);
    // The reply announces the action: it is on its way before the command runs.
    Odpovedet(vysledek.odpoved);
    switch (vysledek.prijemce) {
    case Prijemce::HlavniOkno: ::PostMessageW(okno_, WM_COMMAND, vysledek.prikaz, 0); break;
    case Prijemce::VychoziKamera:
        if (okno && okno->Hwnd()) ::PostMessageW(okno->Hwnd(), WM_COMMAND, vysledek.prikaz, 0);
        break;
    case Prijemce::Nikdo: break;
    }
}

void PrijemDalkovehoOvladani::Odpovedet(const std::wstring& text) {
    if (!Aplikace::Instance().Nastaveni().odesilatZpravuOvladaci) {
        ZavritKlienta();
        return;
    }
    const SOCKET s = klient_;
    klient_ = INVALID_SOCKET;
    // The worker owns the socket from here: blocking, with its own time-outs, no notifications.
    ::WSAAsyncSelect(s, okno_, 0, 0);
    u_long neblokujici = 0;
    ::ioctlsocket(s, FIONBIO, &neblokujici);
    NastavitLimit(s, SO_SNDTIMEO, kLimitOdeslani);
    NastavitLimit(s, SO_RCVTIMEO, kLimitDoteni);
    // The previous worker has posted its end and is only finishing.
    if (pracovnik_.Bezi()) pracovnik_.Zastavit(kLimitZastaveni);
    const HWND okno = okno_;
    odpovida_ = pracovnik_.Spustit([s, okno, bajty = BajtyOdpovedi(text)](std::stop_token stop) {
        Odeslat(s, bajty, stop);
        ::PostMessageW(okno, kZpravaKonecOdpovedi, 0, 0);
    });
    if (!odpovida_) {
        ::closesocket(s);
        Prijmout();
    }
}

void PrijemDalkovehoOvladani::KonecOdpovedi() {
    odpovida_ = false;
    Prijmout();
}

void PrijemDalkovehoOvladani::Odeslat(SOCKET soket, const std::string& bajty, std::stop_token stop) {
    // The reply goes out even when the receiver is stopping (40001 ends the application right after it): a few
    // bytes on a new connection, bounded by the send time-out.
    std::size_t odeslano = 0;
    while (odeslano < bajty.size()) {
        const int n = ::send(soket, bajty.data() + odeslano, static_cast<int>(bajty.size() - odeslano), 0);
        if (n <= 0) break;
        odeslano += static_cast<std::size_t>(n);
    }
    if (odeslano == bajty.size()) {
        ::shutdown(soket, SD_SEND);
        // Closing with unread bytes would reset the connection and could lose the reply at the controller: what
        // it still sends is read until it closes, for a moment at most; a stop cuts this short.
        std::stop_callback preruseni(stop, [soket] { ::shutdown(soket, SD_RECEIVE); });
        char zbytek[512];
        const DWORD zacatek = ::GetTickCount();
        for (int i = 0; i < 128 && !stop.stop_requested() && ::GetTickCount() - zacatek < kLimitDoteni; ++i)
            if (::recv(soket, zbytek, sizeof zbytek, 0) <= 0) break;
    }
    ::closesocket(soket);
}
