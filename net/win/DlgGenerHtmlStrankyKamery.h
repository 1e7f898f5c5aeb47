#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "camera/ParametryKamery.h"
#include "email/win/DlgZeSablony.h"
#include "knihovna/Pracovnik.h"
#include "ui/win/EditCislo.h"

namespace Holvent::Ftp {

class PostaOkna;

// "Vytvoření HTML stránky pro webkameru": writes the page that shows the camera's FTP snapshot and reloads
// itself, saves it to a file the user chooses and on request uploads it by FTP (on a worker; the dialog runs
// modal on the camera's thread).
class DlgGenerHtmlStrankyKamery : private Holvent::Email::DlgZeSablony {
public:
    static constexpr const wchar_t* kTitulek = L"Vytvoření HTML stránky pro webkameru";
    enum Id : int {
        kIdNadpis = 401, kIdTitulek, kIdCestaSnimku, kIdObnova, kIdServer, kIdUzivatel, kIdHeslo, kIdZobrazovat,
        kIdSlozka, kIdVybratSlozku, kIdStav, kIdVytvorit, kIdOdeslat
    };

    struct Kamera {
        ParametryKamery::GenerHtml html;  // the starting values
        ParametryKamery::SnimkyFtp ftp;   // the FTP place and the snapshot's name and format
        // Stores the values a written page used (on the dialog's thread).
        std::function<void(const ParametryKamery::GenerHtml&)> ulozit;
        // One line in the camera's log (failed or cancelled uploads).
        std::function<void(const std::wstring&)> log;
    };

    explicit DlgGenerHtmlStrankyKamery(Kamera kamera);
    ~DlgGenerHtmlStrankyKamery() override;

    // Modal; when this camera window already shows the dialog, brings that one to the front instead.
    static void Otevrit(HWND kamera, Kamera udaje);
    void Zobrazit(HWND vlastnik);

private:
    struct Vysledek;

    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void Inicializovat(HWND okno);
    // Builds and saves the page; the path written, or empty when cancelled or refused.
    std::wstring Vytvorit();
    void Odeslat(const std::wstring& soubor);
    void PrevzitVysledek(std::unique_ptr<Vysledek> vysledek);
    void VybratSlozku();
    void Zavrit();
    void Konec();
    void PovolitTlacitka(bool povolit);
    void Chyba(const std::wstring& text);

    Kamera kamera_;
    HWND okno_ = nullptr;
    EditCislo obnova_;
    bool odesila_ = false;
    std::wstring odesilany_;  // the remote name and the server of the running upload, for the log
    std::wstring serverOdesilani_;
    std::shared_ptr<PostaOkna> posta_;
    Knihovna::Pracovnik pracovnik_;
};

}  // namespace Holvent::Ftp
