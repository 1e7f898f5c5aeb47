#pragma once

#include <windows.h>

#include <string>

#include "email/EmailovyUcet.h"
#include "email/win/DlgUpravyZaznamu.h"

namespace Holvent::Email {

// Edits one e-mail account: address, display name, SMTP server, login and password.
class DlgEmailUcet : public DlgUpravyZaznamu<EmailovyUcet> {
public:
    static constexpr int kIdEmail = 101;
    static constexpr int kIdJmeno = 102;
    static constexpr int kIdServer = 103;
    static constexpr int kIdLogin = 104;
    static constexpr int kIdHeslo = 105;
    static constexpr int kIdZobrazitHeslo = 106;

    // titulek: the caption of its message boxes (the product name).
    explicit DlgEmailUcet(EmailovyUcet ucet, std::wstring titulek = {});

    // After Zobrazit returned true, the five fields as entered.
    const EmailovyUcet& Ucet() const { return zaznam_; }
};

}  // namespace Holvent::Email
