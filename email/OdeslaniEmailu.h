#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "email/EmailovyUcet.h"
#include "email/Soket.h"
#include "email/Zprava.h"

namespace Holvent::Email {

// Everything one dispatch needs, copied on the camera's thread; the worker owns nothing else.
struct UlohaEmailu {
    EmailovyUcet ucet;
    std::wstring prijemce;               // "email"
    std::vector<std::wstring> skryti;    // the further recipients: RCPT TO only
    std::wstring predmet;
    std::wstring text;
    bool html = true;
    bool test = false;                   // the plain test message without attachments
    std::wstring produkt;                // the application's name
    std::vector<std::wstring> prilohy;   // the snapshot files (not for a test)
    std::wstring snimek;                 // the file this dispatch saved (must be attached)
    std::uint16_t vychoziPort = 25;      // the port of the account's security (services database), used when the
                                         // server names none
    // Puts TLS over the connection for an account with security (Smtp::zabalitTls); none refuses such accounts.
    std::function<std::unique_ptr<Soket>(std::unique_ptr<Soket> vnitrni, const std::wstring& server,
                                         std::wstring& chyba)>
        zabalitTls;
    std::uint32_t casovyLimitS = 30;
    int pauzaPredPozdravemMs = 2000;     // as the SMTP client waits by default
};

struct OdmitnutaAdresa {
    std::wstring adresa;
    std::wstring odpoved;
    bool operator==(const OdmitnutaAdresa&) const = default;
};

// What the worker reports back.
struct VysledekEmailu {
    bool odeslano = false;
    std::wstring krok;      // of a failure: the step of the dialogue (or of the preparation)
    std::wstring odpoved;   // of a failure: the server's last reply, empty when none came
    std::wstring chyba;     // of a failure: the text for the user (step and reply, or the preparation's message)
    std::vector<OdmitnutaAdresa> odmitnute;  // recipients the server refused while others were accepted
};

inline constexpr const wchar_t* kTextOdmitnutaAdresa = L"Server %s odmítl adresu %s: %s";
inline constexpr const wchar_t* kTextTestovaciZprava = L"Testovací zpráva aplikace \"%s\"";

// The address without the spaces and tabs around it.
std::wstring OrezatAdresu(const std::wstring& adresa);
// Why an address cannot be put on the SMTP wire (line breaks, other control characters, "<" or ">"), or empty.
std::wstring ChybaAdresy(const std::wstring& adresa);
// The first problem of the task's addresses and server (before any dialogue), or empty.
std::wstring ChybaUlohy(const UlohaEmailu& uloha);

// The message of a dispatch: subject, sender, recipient, hidden recipients, the one body part, inline attachments.
void SestavitZpravu(const UlohaEmailu& uloha, Zprava& zprava);

// The whole dispatch on the worker: checks, the attachments' size, the dialogue, QUIT when greeted, close. A stop
// request cuts the connection off (the socket's Prerusit) and ends every wait at once.
VysledekEmailu VlaknoOdeslaniEmailu(const UlohaEmailu& uloha, std::unique_ptr<Soket> soket, std::stop_token stop,
                                    Zprava* zprava = nullptr);

}  // namespace Holvent::Email
