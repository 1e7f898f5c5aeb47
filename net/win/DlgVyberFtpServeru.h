#pragma once

#include <windows.h>

#include <vector>

#include "email/FtpMisto.h"
#include "email/SeznamFtpMist.h"
#include "email/win/DlgZeSablony.h"
#include "net/NastaveniProhlizeceFtp.h"

// "Vybrat FTP server": the server, user, password (masked unless "Zobrazovat") and passive mode the FTP browser
// connects with; "Načíst" copies a preconfigured FTP place's values into the fields.
class DlgVyberFtpServeru : private Holvent::Email::DlgZeSablony {
public:
    static constexpr int kIdServer = 301, kIdUzivatel = 302, kIdHeslo = 303, kIdZobrazovat = 304, kIdPasivni = 305,
                         kIdMista = 306, kIdNacist = 307;

    // n: the fields' first values, and on OK the chosen ones (server, uzivatel, heslo, pasivniRezim).
    DlgVyberFtpServeru(NastaveniProhlizeceFtp& n, const Holvent::Email::SeznamFtpMist& mista)
        : nastaveni_(n), mista_(mista) {}

    // Modal; true on OK with a server given.
    bool Zobrazit(HWND vlastnik);

private:
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void Naplnit(HWND okno, const std::wstring& server, const std::wstring& uzivatel, const std::wstring& heslo,
                 bool pasivni);
    bool Prevzit(HWND okno);

    NastaveniProhlizeceFtp& nastaveni_;
    const Holvent::Email::SeznamFtpMist& mista_;
    std::vector<Holvent::Email::FtpMisto> seznam_;
};
