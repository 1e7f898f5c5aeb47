#pragma once

#include <windows.h>

#include "email/EmailovyUcet.h"

namespace Holvent::Email {

// Edits one e-mail account: address, display name, SMTP server, login and password.
class DlgEmailUcet {
public:
    static constexpr int kIdEmail = 101;
    static constexpr int kIdJmeno = 102;
    static constexpr int kIdServer = 103;
    static constexpr int kIdLogin = 104;
    static constexpr int kIdHeslo = 105;
    static constexpr int kIdZobrazitHeslo = 106;

    explicit DlgEmailUcet(EmailovyUcet ucet) : ucet_(std::move(ucet)) {}

    // Modal; true on OK, when Ucet() holds the five fields as entered.
    bool Zobrazit(HWND vlastnik);
    const EmailovyUcet& Ucet() const { return ucet_; }

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);

    EmailovyUcet ucet_;
};

// Cue text of an edit box and its masking, shared by the e-mail and FTP dialogs.
void NastavitNapovedu(HWND dialog, int id, const wchar_t* napoveda);
void MaskovatHeslo(HWND dialog, int id, bool maskovat);

}  // namespace Holvent::Email
