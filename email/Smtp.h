#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "email/EmailovyUcet.h"
#include "email/Soket.h"
#include "email/Zprava.h"

namespace Holvent::Email {

// One blocking SMTP dialogue (EHLO/HELO, AUTH LOGIN, MAIL, RCPT, DATA, QUIT) over one
// connection, in plain text, upgraded by STARTTLS or in TLS from the start. Results are 0 on
// success, else the failing reply code or -1 (no reply).
class Smtp {
public:
    explicit Smtp(std::unique_ptr<Soket> soket);
    virtual ~Smtp();

    Smtp(const Smtp&) = delete;
    Smtp& operator=(const Smtp&) = delete;

    // 1 restarts AUTH LOGIN after a 535 (userName/password may be changed first).
    virtual int OnRejected(int kod, const std::wstring& odpoved);
    virtual int OnError(int kod, const std::wstring& odpoved);
    // prikaz: the 8-bit text sent, nullptr for the greeting and the message text.
    virtual void OnReply(const std::string* prikaz, int kod, const std::wstring& odpoved);
    // After every 1024-byte chunk of a longer transmission; false aborts it.
    virtual bool OnProgress(const std::string& buffer, std::size_t odeslano, std::size_t celkem);

    bool Connect(const std::wstring& hostitel);
    int Hello();
    int Authenticate();
    int MailFrom(const std::wstring& adresa);
    int RcptTo(const std::wstring& adresa);
    int SendMail(Zprava& zprava);
    int Data(Zprava& zprava);
    int Quit();
    void Close();

    // Sends one command (converted to 8 bits) and reads one reply.
    int Command(const std::wstring& radek);
    // Only reads a reply (the greeting).
    int Command();
    // Sends bytes exactly as given (the message text) and reads one reply.
    int OdeslatBajty(const std::string& bajty);

    const std::wstring& LastReply() const { return lastReply_; }
    // Why the connection could not be secured as zabezpeceni asks (the user's text), or empty.
    const std::wstring& ChybaZabezpeceni() const { return chybaZabezpeceni_; }
    // The step of the dialogue the last command or wait belonged to ("připojení", "EHLO", "AUTH LOGIN",
    // "MAIL FROM", "RCPT TO <adresa>", "DATA", "text zprávy", ...); never holds the login or password.
    const std::wstring& PosledniKrok() const { return krok_; }
    bool Greeted() const { return greeted_; }
    // Attachments that Data had to leave out of the last message.
    const std::vector<std::wstring>& VynechanePrilohy() const { return vynechanePrilohy_; }

    bool extended = true;
    std::uint32_t timeoutSeconds = 30;
    std::uint16_t port = 25;  // host byte order
    std::wstring userName;
    std::wstring password;
    // Pauses before connecting and before reading the greeting.
    int pauzaPredPripojenimMs = 200;
    int pauzaPredPozdravemMs = 2000;
    // Time-out of one reply in milliseconds; 0 means timeoutSeconds.
    std::uint32_t casovyLimitOdpovediMs = 0;
    // Authentication rounds after a 530 to MAIL FROM before it fails.
    static constexpr int kMaxKolAutentizace = 3;

    // Anything but Zadne needs zabalitTls; there is never a fallback to plain text.
    Zabezpeceni zabezpeceni = Zabezpeceni::Zadne;
    // Puts TLS over the connected socket (server: the name the certificate must carry) and makes the handshake;
    // nullptr with the user's text in chyba when it fails.
    std::function<std::unique_ptr<Soket>(std::unique_ptr<Soket> vnitrni, const std::wstring& server,
                                         std::wstring& chyba)>
        zabalitTls;

    static constexpr const wchar_t* kTextStartTlsNelze = L"Server %s neumožňuje šifrované spojení (STARTTLS): %s";

private:
    int Prenos(const std::string* bajty);
    // A send that failed: -1, with the reply the server sent before it closed as the last reply (else none).
    int PrerusenyPrenos();
    int SelhaniKrok(int kod);
    std::uint32_t LimitOdpovediMs() const;
    Soket& Spojeni() const { return tls_ ? *tls_ : *soket_; }
    bool Zabalit();
    // The failure of a STARTTLS session: duvod, else the last reply, in the user's text.
    int OdmitnutiStartTls(int kod, const std::wstring& duvod);

    // The TCP connection, kept for the whole life of the client even under TLS, so that a stop request can
    // always cut it off.
    std::unique_ptr<Soket> soket_;
    // The TLS layer over it, once the connection is secured.
    std::unique_ptr<Soket> tls_;
    std::wstring server_;
    std::wstring chybaZabezpeceni_;
    // The last reply was followed by more bytes in what was received.
    bool zbytekZaOdpovedi_ = false;
    std::wstring lastReply_;
    std::wstring krok_;
    bool greeted_ = false;
    bool authenticate_ = false;
    std::vector<std::wstring> vynechanePrilohy_;
};

}  // namespace Holvent::Email
