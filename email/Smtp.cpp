#include "email/Smtp.h"

#include <chrono>
#include <thread>

#include "email/Base64.h"
#include "email/Windows1250.h"
#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"

namespace Holvent::Email {

namespace {

constexpr int kVelikostBloku = 1024;
// A reply longer than this is not an SMTP reply; reading stops rather than grow without end.
constexpr std::size_t kMaxDelkaOdpovedi = 64 * 1024;
constexpr std::size_t kMaxJmenoPocitace = 64;
// What is kept of a reply for the caller and the log: a peer's endless line must not become a log line of
// 64 KB. Longer text is cut and marked.
constexpr std::size_t kMaxTextOdpovedi = 1000;

std::wstring TextOdpovedi(std::string prijato) {
    const bool dlouha = prijato.size() > kMaxTextOdpovedi;
    if (dlouha) prijato.resize(kMaxTextOdpovedi);
    std::wstring text = ZWindows1250(prijato);
    if (dlouha) text += L"…";
    return text;
}

bool JeCislice(char z) { return z >= '0' && z <= '9'; }

// The final line of a reply is three digits followed by a space (or by the line end);
// the others are continuation lines "250-...". Returns the end of the final line
// (the position of its LF) or npos while it has not arrived.
std::size_t KonecOdpovedi(const std::string& text) {
    std::size_t zacatek = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', zacatek);
        if (lf == std::string::npos) return std::string::npos;
        const std::string_view radek(text.data() + zacatek, lf - zacatek);
        if (radek.size() >= 3 && JeCislice(radek[0]) && JeCislice(radek[1]) && JeCislice(radek[2]) &&
            (radek.size() == 3 || radek[3] == ' ' || radek[3] == '\r'))
            return lf;
        zacatek = lf + 1;
    }
}

std::string Base64Text(const std::string& bajty) {
    Base64 base64;
    base64.Encode(reinterpret_cast<const std::uint8_t*>(bajty.data()), static_cast<std::uint32_t>(bajty.size()));
    return std::string(base64.EncodedText(), base64.TextLength());
}

// The step a command belongs to, for the failure's report; the answers of AUTH LOGIN stay its step.
std::wstring KrokPrikazu(const std::string* bajty, const std::wstring& predchozi) {
    if (!bajty) return L"pozdrav serveru";
    const std::string_view b(*bajty);
    for (const char* klic : {"EHLO", "HELO", "STARTTLS", "AUTH LOGIN", "MAIL FROM", "DATA\r\n", "QUIT"})
        if (b.starts_with(klic)) {
            std::string k(klic);
            if (k == "DATA\r\n") k = "DATA";
            return std::wstring(k.begin(), k.end());
        }
    if (b.starts_with("RCPT TO:")) {
        const std::size_t konec = b.find('\r');
        return L"RCPT TO" + ZWindows1250(b.substr(8, konec == std::string_view::npos ? std::string_view::npos : konec - 8));
    }
    if (predchozi == L"AUTH LOGIN") return predchozi;
    return L"text zprávy";
}

void Pockat(int milisekundy) {
    if (milisekundy > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milisekundy));
}

// Lends the client's connection to the TLS layer: closing goes through to it, ownership does not.
class OdkazNaSoket final : public Soket {
public:
    explicit OdkazNaSoket(Soket& soket) : s_(soket) {}
    bool PrelozitAdresu(const std::string& hostitel, std::uint32_t& adresa) override {
        return s_.PrelozitAdresu(hostitel, adresa);
    }
    bool Vytvorit() override { return s_.Vytvorit(); }
    bool Pripojit(std::uint32_t adresa, std::uint16_t port, int ms) override { return s_.Pripojit(adresa, port, ms); }
    int CekatNaCteni(int ms) override { return s_.CekatNaCteni(ms); }
    bool CekatNaZapis(int ms) override { return s_.CekatNaZapis(ms); }
    int Prijmout(char* buffer, int velikost) override { return s_.Prijmout(buffer, velikost); }
    int Odeslat(const char* data, int delka) override { return s_.Odeslat(data, delka); }
    bool UkoncitOdesilani() override { return s_.UkoncitOdesilani(); }
    void Zavrit() override { s_.Zavrit(); }
    void Prerusit() override { s_.Prerusit(); }
    bool JeOtevreny() const override { return s_.JeOtevreny(); }
    int KodChyby() const override { return s_.KodChyby(); }
    std::wstring JmenoPocitace() override { return s_.JmenoPocitace(); }

private:
    Soket& s_;
};

}  // namespace

Smtp::Smtp(std::unique_ptr<Soket> soket) : soket_(std::move(soket)) {}

Smtp::~Smtp() { Close(); }

int Smtp::OnRejected(int, const std::wstring&) { return 0; }
int Smtp::OnError(int, const std::wstring&) { return 0; }
void Smtp::OnReply(const std::string*, int, const std::wstring&) {}
bool Smtp::OnProgress(const std::string&, std::size_t, std::size_t) { return true; }

int Smtp::Command(const std::wstring& radek) {
    const std::string bajty = NaWindows1250(radek);
    return Prenos(&bajty);
}

int Smtp::Command() { return Prenos(nullptr); }

int Smtp::OdeslatBajty(const std::string& bajty) { return Prenos(&bajty); }

int Smtp::Prenos(const std::string* bajty) {
    if (!soket_ || !Spojeni().JeOtevreny()) {
        lastReply_.clear();
        return -1;
    }
    Soket& spojeni = Spojeni();
    krok_ = KrokPrikazu(bajty, krok_);
    char buffer[kVelikostBloku];
    if (bajty) {
        // Stale input (the rest of an earlier reply) must not be taken for this reply. Only
        // before a command: when only reading, what is pending is the reply (the greeting).
        // A peer that never stops sending is no SMTP server: the drain is bounded by bytes
        // and by the reply time-out, and running into either is no reply.
        const auto zacatekVyprazdneni = std::chrono::steady_clock::now();
        std::size_t vyprazdneno = 0;
        while (spojeni.CekatNaCteni(0) == 1) {
            const int n = spojeni.Prijmout(buffer, kVelikostBloku);
            if (n <= 0) break;
            vyprazdneno += static_cast<std::size_t>(n);
            if (vyprazdneno > kMaxDelkaOdpovedi ||
                std::chrono::steady_clock::now() - zacatekVyprazdneni >= std::chrono::milliseconds(LimitOdpovediMs())) {
                lastReply_.clear();
                return -1;
            }
        }

        // A peer that stops reading fills the send buffer: each wait for room is bounded by the reply
        // time-out, counted from the last byte that went out.
        const std::size_t celkem = bajty->size();
        std::size_t odeslano = 0;
        auto posledniPokrok = std::chrono::steady_clock::now();
        while (odeslano < celkem) {
            const auto uplynulo = std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now() - posledniPokrok).count();
            if (uplynulo >= static_cast<long long>(LimitOdpovediMs()) ||
                !spojeni.CekatNaZapis(static_cast<int>(LimitOdpovediMs() - uplynulo)))
                return PrerusenyPrenos();
            const int blok = static_cast<int>(std::min<std::size_t>(kVelikostBloku, celkem - odeslano));
            const int n = spojeni.Odeslat(bajty->data() + odeslano, blok);
            if (n < 0) return PrerusenyPrenos();
            if (n == 0) continue;
            posledniPokrok = std::chrono::steady_clock::now();
            odeslano += static_cast<std::size_t>(n);
            if (celkem > kVelikostBloku && !OnProgress(*bajty, odeslano, celkem)) {
                // Aborted by the caller: no reply of the server belongs to it.
                lastReply_.clear();
                return -1;
            }
        }
    }

    const std::uint32_t limitMs = LimitOdpovediMs();
    const auto zacatek = std::chrono::steady_clock::now();
    std::string prijato;
    std::size_t konec = std::string::npos;
    zbytekZaOdpovedi_ = false;
    for (;;) {
        const auto uplynulo = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - zacatek).count();
        if (uplynulo >= static_cast<long long>(limitMs)) break;
        if (spojeni.CekatNaCteni(static_cast<int>(limitMs - uplynulo)) != 1) break;
        const int n = spojeni.Prijmout(buffer, kVelikostBloku);
        if (n <= 0) break;
        prijato.append(buffer, static_cast<std::size_t>(n));
        konec = KonecOdpovedi(prijato);
        if (konec != std::string::npos || prijato.size() > kMaxDelkaOdpovedi) break;
    }

    if (konec == std::string::npos) {
        // What did arrive is kept for the caller, up to its last complete line when it has one.
        const std::size_t lf = prijato.rfind('\n');
        if (lf != std::string::npos) prijato.resize(lf);
        if (!prijato.empty() && prijato.back() == '\r') prijato.pop_back();
        lastReply_ = TextOdpovedi(std::move(prijato));
        return -1;
    }
    zbytekZaOdpovedi_ = prijato.size() > konec + 1;
    prijato.resize(konec);
    if (!prijato.empty() && prijato.back() == '\r') prijato.pop_back();
    lastReply_ = TextOdpovedi(prijato);
    // Reply codes begin with 2 to 5 (RFC 5321, 4.2.1); anything else, "000" above all, must
    // not pass for the success value 0 or for a code a caller would take as accepted.
    if (prijato.size() < 3 || prijato[0] < '2' || prijato[0] > '5' || !JeCislice(prijato[1]) ||
        !JeCislice(prijato[2]))
        return -1;
    const int kod = (prijato[0] - '0') * 100 + (prijato[1] - '0') * 10 + (prijato[2] - '0');
    OnReply(bajty, kod, lastReply_);
    return kod;
}

int Smtp::PrerusenyPrenos() {
    // A server that gives up in the middle of a transmission (above all the message text) often says why
    // before it closes: its words are already received and are the reason, not the reply before them (354).
    lastReply_.clear();
    Soket& spojeni = Spojeni();
    std::string prijato;
    char buffer[kVelikostBloku];
    while (prijato.size() <= kMaxDelkaOdpovedi && spojeni.JeOtevreny() && spojeni.CekatNaCteni(0) == 1) {
        const int n = spojeni.Prijmout(buffer, kVelikostBloku);
        if (n <= 0) break;
        prijato.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t konec = KonecOdpovedi(prijato);
    if (konec != std::string::npos) {
        prijato.resize(konec);
        if (!prijato.empty() && prijato.back() == '\r') prijato.pop_back();
        lastReply_ = TextOdpovedi(std::move(prijato));
    }
    return -1;
}

std::uint32_t Smtp::LimitOdpovediMs() const {
    return casovyLimitOdpovediMs ? casovyLimitOdpovediMs : timeoutSeconds * 1000u;
}

int Smtp::SelhaniKrok(int kod) {
    if (kod == -1) greeted_ = false;
    OnError(kod, lastReply_);
    return kod;
}

bool Smtp::Connect(const std::wstring& hostitel) {
    const std::string hostitel8 = NaWindows1250(hostitel);
    if (Spojeni().JeOtevreny()) {
        if (greeted_) Quit();
        Spojeni().Zavrit();
    }
    if (soket_->JeOtevreny()) soket_->Zavrit();
    tls_.reset();
    server_ = hostitel;
    chybaZabezpeceni_.clear();
    lastReply_.clear();
    krok_ = L"překlad adresy serveru";
    std::uint32_t adresa = 0;
    if (!soket_->PrelozitAdresu(hostitel8, adresa)) return false;
    krok_ = L"připojení k serveru";
    if (!soket_->Vytvorit()) return false;
    Pockat(pauzaPredPripojenimMs);
    if (!soket_->Pripojit(adresa, port, static_cast<int>(LimitOdpovediMs()))) {
        Close();
        return false;
    }
    // Implicit TLS: not a byte of SMTP before the handshake.
    if (zabezpeceni == Zabezpeceni::Tls && !Zabalit()) {
        Close();
        return false;
    }
    Pockat(pauzaPredPozdravemMs);
    const int kod = Command();
    if (kod != 220) {
        SelhaniKrok(kod);
        Close();
        return false;
    }
    if (Hello() != 0) {
        Close();
        return false;
    }
    return true;
}

int Smtp::Hello() {
    std::wstring jmeno = soket_->JmenoPocitace();
    if (jmeno.size() > kMaxJmenoPocitace) jmeno.resize(kMaxJmenoPocitace);
    if (jmeno.empty()) jmeno = L"localhost";
    if (zabezpeceni != Zabezpeceni::Zadne) {
        // No HELO fallback: without EHLO there is neither STARTTLS nor AUTH, and a server that refuses EHLO
        // must not get the message in plain text.
        const std::wstring ehlo = L"EHLO " + jmeno + L"\r\n";
        int kod = Command(ehlo);
        if (kod != 250) return zabezpeceni == Zabezpeceni::StartTls ? OdmitnutiStartTls(kod, {}) : SelhaniKrok(kod);
        greeted_ = true;
        if (!tls_) {
            kod = Command(L"STARTTLS\r\n");
            if (kod != 220) return OdmitnutiStartTls(kod, {});
            // Whatever the peer sent after the 220 and before the handshake would be taken for replies inside
            // TLS: a man in the middle injecting them. The connection is given up instead.
            if (zbytekZaOdpovedi_ || soket_->CekatNaCteni(0) == 1)
                return OdmitnutiStartTls(kod, Knihovna::Formatovat(L"za odpovědí \"%s\" následovala další data ještě "
                                                                   L"před navázáním šifrování",
                                                                   lastReply_.c_str()));
            greeted_ = false;
            if (!Zabalit()) return -1;
            // RFC 3207: nothing learnt before the handshake counts; the session starts again with EHLO.
            greeted_ = true;
            authenticate_ = false;
            kod = Command(ehlo);
            if (kod != 250) return OdmitnutiStartTls(kod, {});
        }
        authenticate_ = true;
        // A refused authentication shows up as a refused MAIL FROM.
        Authenticate();
        return 0;
    }
    if (extended) {
        if (Command(L"EHLO " + jmeno + L"\r\n") == 250) {
            authenticate_ = true;
            greeted_ = true;
            // A refused authentication shows up as a refused MAIL FROM.
            Authenticate();
            return 0;
        }
    }
    authenticate_ = false;
    const int kod = Command(L"HELO " + jmeno + L"\r\n");
    if (kod == 250) {
        greeted_ = true;
        return 0;
    }
    return SelhaniKrok(kod);
}

bool Smtp::Zabalit() {
    krok_ = L"navázání šifrovaného spojení";
    lastReply_.clear();
    std::wstring chyba;
    std::unique_ptr<Soket> tls;
    if (zabalitTls) tls = zabalitTls(std::make_unique<OdkazNaSoket>(*soket_), server_, chyba);
    else chyba = L"Šifrované spojení není v tomto systému k dispozici.";
    if (!tls) {
        // Never on in plain text: the connection is closed, with nothing to QUIT.
        chybaZabezpeceni_ = chyba.empty() ? L"Šifrované spojení se nepodařilo navázat." : chyba;
        greeted_ = false;
        soket_->Zavrit();
        OnError(-1, lastReply_);
        return false;
    }
    tls_ = std::move(tls);
    return true;
}

int Smtp::OdmitnutiStartTls(int kod, const std::wstring& duvod) {
    const std::wstring text = !duvod.empty()        ? duvod
                              : !lastReply_.empty() ? lastReply_
                                                    : std::wstring(L"server neodpověděl");
    chybaZabezpeceni_ = Knihovna::Formatovat(kTextStartTlsNelze, server_.c_str(), text.c_str());
    return SelhaniKrok(kod);
}

int Smtp::Authenticate() {
    // An override that keeps asking for another try cannot hold the dispatch for ever.
    for (int kolo = 0; kolo <= kMaxKolAutentizace; ++kolo) {
        if (userName.empty()) return 0;
        // The login and password never travel in plain text when the account asks for TLS.
        if (zabezpeceni != Zabezpeceni::Zadne && !tls_) return SelhaniKrok(-1);
        int kod = Command(L"AUTH LOGIN\r\n");
        if (kod != 334) {
            if (kod == -1) greeted_ = false;
            OnRejected(kod, lastReply_);
            return kod;
        }
        while (kod == 334) {
            const std::string vyzva8 = lastReply_.size() > 4 ? NaWindows1250(lastReply_.substr(4)) : std::string();
            Base64 base64;
            base64.Decode(vyzva8.c_str());
            const std::wstring vyzva = ZWindows1250(
                std::string_view(reinterpret_cast<const char*>(base64.DecodedData()), base64.DataLength()));
            std::string odpoved;
            if (Knihovna::StejneBezVelikosti(vyzva, L"Username:"))
                odpoved = Base64Text(NaWindows1250(userName));
            else if (Knihovna::StejneBezVelikosti(vyzva, L"Password:"))
                odpoved = Base64Text(NaWindows1250(password));
            else
                break;
            odpoved += "\r\n";
            kod = Prenos(&odpoved);
        }
        if (kod == 535) {
            if (OnRejected(535, lastReply_) == 1) continue;
            OnError(535, lastReply_);
            return 535;
        }
        if (kod == 235) return 0;
        return SelhaniKrok(kod);
    }
    OnError(535, lastReply_);
    return 535;
}

int Smtp::MailFrom(const std::wstring& adresa) {
    const std::wstring radek = L"MAIL FROM: <" + adresa + L">\r\n";
    int kod = Command(radek);
    for (int kolo = 0; kod == 530 && kolo < kMaxKolAutentizace; ++kolo) {
        Authenticate();
        kod = Command(radek);
    }
    if (kod == 250) return 0;
    return SelhaniKrok(kod);
}

int Smtp::RcptTo(const std::wstring& adresa) {
    const int kod = Command(L"RCPT TO: <" + adresa + L">\r\n");
    if (kod == 250 || kod == 251) return 0;
    if (kod == -1) greeted_ = false;
    OnRejected(kod, lastReply_);
    return kod;
}

int Smtp::SendMail(Zprava& zprava) {
    if (zprava.senderAddress.empty() || (zprava.recipientAddress.empty() && zprava.furtherTo.empty())) return -1;
    if (const int kod = MailFrom(zprava.senderAddress); kod != 0) return kod;

    int prijatych = 0;
    int posledniKod = -1;
    bool spojeni = true;
    auto prijemce = [&](const std::wstring& adresa) {
        if (!spojeni) return;  // no reply came: the connection is gone
        const int kod = RcptTo(adresa);
        if (kod == 0) ++prijatych;
        else posledniKod = kod;
        if (kod == -1) spojeni = false;
    };
    if (!zprava.recipientAddress.empty()) prijemce(zprava.recipientAddress);
    for (const Adresa& a : zprava.furtherTo) prijemce(a.address);
    for (const Adresa& a : zprava.hidden) prijemce(a.address);

    if (prijatych > 0) return Data(zprava);
    return SelhaniKrok(posledniKod);
}

int Smtp::Data(Zprava& zprava) {
    // A message that cannot be composed raises before the server is told that one comes.
    std::string text;
    vynechanePrilohy_ = zprava.Compose(text);
    text += "\r\n.\r\n";
    int kod = Command(L"DATA\r\n");
    if (kod != 354) return SelhaniKrok(kod);
    kod = OdeslatBajty(text);
    if (kod != 250) return SelhaniKrok(kod);
    return 0;
}

int Smtp::Quit() {
    if (!greeted_) return 0;
    const int kod = Command(L"QUIT\r\n");
    greeted_ = false;
    if (kod != 221) {
        OnError(kod, lastReply_);
        return kod;
    }
    return 0;
}

void Smtp::Close() {
    if (soket_ && Spojeni().JeOtevreny()) {
        if (greeted_) Quit();
        Spojeni().Zavrit();  // under TLS with close_notify
    }
    if (soket_ && soket_->JeOtevreny()) soket_->Zavrit();
    greeted_ = false;
}

}  // namespace Holvent::Email
