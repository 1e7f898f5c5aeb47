#pragma once

#include <windows.h>

#include <string>

#include "email/SeznamFtpMist.h"

namespace Holvent::Email {

// The list of FTP places with the details of the selected one; adds, edits and removes
// places, each change saved by the store.
class DlgFtpMista {
public:
    static constexpr int kIdSeznam = 201;
    static constexpr int kIdPodrobnosti = 202;
    static constexpr int kIdPridat = 203;
    static constexpr int kIdOdstranit = 204;
    static constexpr int kIdUpravit = 205;

    // titulek: the caption of the dialog's message boxes (the product name).
    DlgFtpMista(SeznamFtpMist& mista, std::wstring titulek) : ucty_(mista), titulek_(std::move(titulek)) {}

    void Zobrazit(HWND vlastnik);

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    void Obnovit(HWND okno, int vyber);
    int Vybrany(HWND okno) const;
    void Pridat(HWND okno);
    void Upravit(HWND okno);
    void Odstranit(HWND okno);
    void Chyba(HWND okno, const std::wstring& text) const;

    SeznamFtpMist& ucty_;
    std::wstring titulek_;
};

}  // namespace Holvent::Email
