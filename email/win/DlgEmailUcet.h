#pragma once

#include <windows.h>

#include <string>

#include "email/EmailovyUcet.h"
#include "email/win/DlgUpravyZaznamu.h"

namespace Holvent::Email {

// Edits one e-mail account: address, display name, SMTP server and its security, login and password.
class DlgEmailUcet : public DlgUpravyZaznamu<EmailovyUcet> {
public:
    static constexpr int kIdEmail = 101;
    static constexpr int kIdJmeno = 102;
    static constexpr int kIdServer = 103;
    static constexpr int kIdLogin = 104;
    static constexpr int kIdHeslo = 105;
    static constexpr int kIdZobrazitHeslo = 106;
    static constexpr int kIdZabezpeceni = 107;
    static constexpr int kIdPopisekZabezpeceni = 108;

    // titulek: the caption of its message boxes (the product name).
    explicit DlgEmailUcet(EmailovyUcet ucet, std::wstring titulek = {});

    // After Zobrazit returned true, the fields as entered.
    const EmailovyUcet& Ucet() const { return zaznam_; }

private:
    void PridatOvladace(SablonaDialogu& sablona) const override;
    void VyplnitOstatni(HWND okno) const override;
    void PrecistOstatni(HWND okno) override;
};

}  // namespace Holvent::Email
