// The SMTP client against a server that answers with the fuzz bytes. The first byte sets the account (security,
// EHLO, login, a failing TLS layer, retried logins, the size of the pieces replies arrive in); the rest are the
// server's turns, separated by NUL bytes, each sent after the client's next command. When the turns run out the
// connection is closed. The dialogue must end, never send the login or the message unencrypted when the account
// asks for TLS, never go on with bytes that came before the TLS handshake, and report success only for a message
// the server answered after its end.
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "Pomocne.h"
#include "email/Smtp.h"
#include "email/Soket.h"
#include "email/Zprava.h"

using namespace Holvent::Email;

namespace {

void Over(bool podminka) {
    if (!podminka) std::abort();
}

struct Stav {
    std::deque<std::string> tahy;  // the server's turns not yet sent
    std::string fronta;            // what the client can read now
    std::string prijato;           // what the client sent since its last complete command
    std::size_t kus = 1024;        // the most one receive gives
    bool otevreno = false;
    bool vDatech = false;
    bool sifrovano = false;
    bool zpravaDorucena = false;   // the message's end went out and the server had a turn left to answer it
    std::size_t prikazu = 0;
    std::size_t tahuCelkem = 0;
    Zabezpeceni zabezpeceni = Zabezpeceni::Zadne;
};

class FuzzSoket final : public Soket {
public:
    explicit FuzzSoket(Stav& s) : s_(s) {}

    bool PrelozitAdresu(const std::string&, std::uint32_t& adresa) override {
        adresa = 0x0100007F;
        return true;
    }
    bool Vytvorit() override { return true; }
    bool Pripojit(std::uint32_t, std::uint16_t, int) override {
        s_.otevreno = true;
        DalsiTah();
        return true;
    }
    // A closed peer reads as readable, and the read gives 0.
    int CekatNaCteni(int) override { return !s_.fronta.empty() || s_.tahy.empty() ? 1 : 0; }
    bool CekatNaZapis(int) override { return s_.otevreno; }
    int Prijmout(char* buffer, int velikost) override {
        const std::size_t n = std::min({s_.fronta.size(), s_.kus, static_cast<std::size_t>(velikost)});
        s_.fronta.copy(buffer, n);
        s_.fronta.erase(0, n);
        return static_cast<int>(n);
    }
    int Odeslat(const char* data, int delka) override {
        if (!s_.otevreno) return -1;
        s_.prijato.append(data, static_cast<std::size_t>(delka));
        for (;;) {
            const std::string konec = s_.vDatech ? "\r\n.\r\n" : "\r\n";
            const std::size_t i = s_.prijato.find(konec);
            if (i == std::string::npos) break;
            const std::string prikaz = s_.prijato.substr(0, i + konec.size());
            s_.prijato.erase(0, i + konec.size());
            Prikaz(prikaz);
        }
        return delka;
    }
    bool UkoncitOdesilani() override { return s_.otevreno; }
    void Zavrit() override { s_.otevreno = false; }
    void Prerusit() override { s_.otevreno = false; }
    bool JeOtevreny() const override { return s_.otevreno; }
    std::wstring JmenoPocitace() override { return L"FUZZPC"; }

private:
    void Prikaz(const std::string& prikaz) {
        // Every command reads one reply: past the turns only a few more (QUIT) may come.
        Over(++s_.prikazu <= s_.tahuCelkem + 8);
        if (s_.zabezpeceni != Zabezpeceni::Zadne && !s_.sifrovano)
            for (const char* tajne : {"AUTH", "MAIL", "RCPT", "DATA"}) Over(!prikaz.starts_with(tajne));
        const bool data = s_.vDatech;
        s_.vDatech = false;
        const bool tah = DalsiTah();
        if (data && tah) s_.zpravaDorucena = true;
        if (prikaz == "DATA\r\n" && s_.fronta.starts_with("354")) s_.vDatech = true;
    }
    bool DalsiTah() {
        if (s_.tahy.empty()) return false;
        s_.fronta += s_.tahy.front();
        s_.tahy.pop_front();
        return true;
    }

    Stav& s_;
};

class FuzzSmtp final : public Smtp {
public:
    using Smtp::Smtp;
    bool znovu = false;
    int OnRejected(int, const std::wstring&) override { return znovu ? 1 : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t nastaveni = data[0];
    Stav stav;
    stav.zabezpeceni = static_cast<Zabezpeceni>((nastaveni & 3) % 3);
    static constexpr std::size_t kKusy[] = {1, 7, 64, 1024};
    stav.kus = kKusy[nastaveni >> 6];
    const std::string_view zbytek(reinterpret_cast<const char*>(data) + 2, size - 2);
    for (std::size_t od = 0;;) {
        const std::size_t nul = zbytek.find('\0', od);
        stav.tahy.emplace_back(zbytek.substr(od, nul == std::string_view::npos ? std::string_view::npos : nul - od));
        if (nul == std::string_view::npos) break;
        od = nul + 1;
    }
    stav.tahuCelkem = stav.tahy.size();

    FuzzSmtp klient(std::make_unique<FuzzSoket>(stav));
    klient.pauzaPredPripojenimMs = 0;
    klient.pauzaPredPozdravemMs = 0;
    klient.casovyLimitOdpovediMs = 5000;
    klient.zabezpeceni = stav.zabezpeceni;
    klient.extended = (nastaveni & 4) != 0;
    if (nastaveni & 8) {
        klient.userName = L"kamera";
        klient.password = L"heslo";
    }
    klient.znovu = (nastaveni & 32) != 0;
    const bool tlsSelze = (nastaveni & 16) != 0;
    klient.zabalitTls = [&](std::unique_ptr<Soket> vnitrni, const std::wstring&, std::wstring& chyba) {
        // Bytes that came before the handshake would pass for the server's words inside TLS.
        if (stav.zabezpeceni == Zabezpeceni::StartTls) Over(stav.fronta.empty());
        if (tlsSelze) {
            chyba = L"handshake selhal";
            return std::unique_ptr<Soket>();
        }
        stav.sifrovano = true;
        return vnitrni;
    };

    FuzzPomocne::PevneHodiny hodiny;
    Zprava zprava(hodiny);
    zprava.senderAddress = L"kamera@example.cz";
    zprava.recipientAddress = L"dvur@example.cz";
    for (int i = 0; i < data[1] % 3; ++i) zprava.furtherTo.push_back({L"Další", L"dalsi@example.cz"});
    zprava.subject = L"Pohyb";
    zprava.bodyParts.push_back({});
    zprava.bodyParts.back().text = L"Kamera zaznamenala pohyb.";

    if (klient.Connect(L"mail.example.cz")) {
        const int kod = klient.SendMail(zprava);
        if (kod == 0) Over(stav.zpravaDorucena);
        klient.Quit();
    }
    klient.Close();
    return 0;
}
