#pragma once

#include <windows.h>

#include <string>

#include "email/FtpMisto.h"

namespace Holvent::Ftp {

// Lets the camera's FTP page pick "slozka": the server's folders as a tree, listed on a worker (the dialog
// shares the camera's thread), subfolders when a branch is expanded, the chosen path shown below the tree.
class DlgVyberSlozkyFtp {
public:
    // misto: server, user, password and passive mode as the page shows them; slozka: the folder to start from.
    DlgVyberSlozkyFtp(Holvent::Email::FtpMisto misto, std::wstring slozka);
    ~DlgVyberSlozkyFtp();

    // Modal; true when a folder was chosen, which Slozka() then holds.
    bool Zobrazit(HWND vlastnik);
    const std::wstring& Slozka() const { return slozka_; }

private:
    Holvent::Email::FtpMisto misto_;
    std::wstring slozka_;
};

}  // namespace Holvent::Ftp
