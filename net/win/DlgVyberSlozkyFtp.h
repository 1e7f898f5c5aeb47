#pragma once

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <memory>
#include <string>

#include "email/FtpMisto.h"
#include "email/win/DlgZeSablony.h"
#include "knihovna/Pracovnik.h"

namespace Holvent::Ftp {

class PostaOkna;

// Lets the camera's FTP page pick "slozka": the server's folders as a tree, listed on a worker (the dialog
// shares the camera's thread), subfolders when a branch is expanded, the chosen path shown below the tree.
class DlgVyberSlozkyFtp : private Holvent::Email::DlgZeSablony {
public:
    static constexpr const wchar_t* kTitulek = L"Vybrat složku na FTP serveru";
    static constexpr int kIdStrom = 301;
    static constexpr int kIdVybrana = 302;
    static constexpr int kIdStav = 303;

    // misto: server, user, password and passive mode as the page shows them; slozka: the folder to start from.
    DlgVyberSlozkyFtp(Holvent::Email::FtpMisto misto, std::wstring slozka);
    ~DlgVyberSlozkyFtp() override;

    // Modal; true when a folder was chosen, which Slozka() then holds ("" is the login folder; levels joined
    // by "/").
    bool Zobrazit(HWND vlastnik);
    const std::wstring& Slozka() const { return slozka_; }

private:
    struct Vypis;

    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void Inicializovat(HWND okno);
    // Lists the folder of the item on the worker (or queues it while another listing runs).
    void Nacist(HTREEITEM polozka);
    void SpustitDalsi();
    void PrevzitVypis(std::unique_ptr<Vypis> vypis);
    void ZmenaVyberu();
    std::wstring CestaPolozky(HTREEITEM polozka) const;
    void Ukoncit(INT_PTR vysledek);
    void Konec();

    Holvent::Email::FtpMisto misto_;
    std::wstring slozka_;
    HWND okno_ = nullptr;
    HWND strom_ = nullptr;
    std::deque<HTREEITEM> fronta_;
    HTREEITEM nacitana_ = nullptr;
    // The levels of the starting folder still to be opened as their parents are listed.
    std::deque<std::wstring> cestaKOtevreni_;
    std::shared_ptr<PostaOkna> posta_;
    Knihovna::Pracovnik pracovnik_;
};

}  // namespace Holvent::Ftp
