#pragma once

#include <windows.h>

#include <string>

#include "email/win/DlgZeSablony.h"

// "Aktualizace aplikace": the running version beside the one the maker's web names, with a link to the product's
// web page. Modal without an owner, centred on the screen.
class DlgAktualizaceAplikace : private Holvent::Email::DlgZeSablony {
public:
    enum Id : int { kIdNazev = 1001, kIdOdkaz = 1005, kIdVlastniVerze = 1013, kIdWebovaVerze = 1014 };

    DlgAktualizaceAplikace(std::wstring vlastniVerze, std::wstring webovaVerze);
    ~DlgAktualizaceAplikace() override;
    DlgAktualizaceAplikace(const DlgAktualizaceAplikace&) = delete;
    DlgAktualizaceAplikace& operator=(const DlgAktualizaceAplikace&) = delete;

    // Returns when the dialog closes.
    void Zobrazit();
    // The open dialog's window (null before and after).
    HWND Okno() const { return okno_; }
    // Closes the open dialog (the application is closing).
    void Zavrit();

private:
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void Inicializovat(HWND okno);
    void OtevritWeb();

    std::wstring vlastniVerze_;
    std::wstring webovaVerze_;
    HWND okno_ = nullptr;
    HWND tip_ = nullptr;
    HFONT velkePismo_ = nullptr;
};
