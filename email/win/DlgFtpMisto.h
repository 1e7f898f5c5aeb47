#pragma once

#include <windows.h>

#include "email/FtpMisto.h"

namespace Holvent::Email {

// Edits one FTP place: server, user, password, passive mode and folder.
class DlgFtpMisto {
public:
    static constexpr int kIdServer = 101;
    static constexpr int kIdUzivatel = 102;
    static constexpr int kIdHeslo = 103;
    static constexpr int kIdSlozka = 104;
    static constexpr int kIdZobrazitHeslo = 105;
    static constexpr int kIdPasivni = 106;

    explicit DlgFtpMisto(FtpMisto misto) : misto_(std::move(misto)) {}

    // Modal; true on OK, when Misto() holds the fields as entered.
    bool Zobrazit(HWND vlastnik);
    const FtpMisto& Misto() const { return misto_; }

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);

    FtpMisto misto_;
};

}  // namespace Holvent::Email
