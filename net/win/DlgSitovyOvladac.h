#pragma once

#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/win/OknoNastroje.h"
#include "knihovna/Pracovnik.h"
#include "knihovna/win/StavovyRadek.h"
#include "net/win/PostaOkna.h"
#include "ui/win/EditCislo.h"

// The network controller: sends one remote-control command at a time to another instance of the program and
// collects its replies; finds the computers of the LAN. A child dialog filling the tool's frame; its network
// work runs on workers that post kZpravaPraceOvladace back to it.
class DlgSitovyOvladac final : public ObsahNastroje {
public:
    // How the owner learns that the dialog works on the network (true) or has finished (false).
    using Zaneprazdneni = std::function<void(bool)>;
    // Whether a close is forced (the application ends): the work is then cut off instead of waited for.
    using Vynuceno = std::function<bool()>;

    DlgSitovyOvladac(Zaneprazdneni zaneprazdneni, Vynuceno vynuceno);
    ~DlgSitovyOvladac() override;
    DlgSitovyOvladac(const DlgSitovyOvladac&) = delete;
    DlgSitovyOvladac& operator=(const DlgSitovyOvladac&) = delete;

    // Creates the dialog in the frame and starts the name look-up (and the LAN search when the settings ask).
    void Vytvorit(HWND ramec);
    HWND Hwnd() const override { return hwnd_; }
    bool MuzeZavrit() override;
    // The frame's outer size that shows the whole dialog.
    SIZE VelikostRamce(HWND ramec) const;

    enum Prvek : int {
        kSkupina = 1001, kPopisekAdresy, kAdresa, kPopisekPortu, kPort, kPopisekJmena, kJmeno, kPrikazy, kOdeslat,
        kPopisekOdpovedi, kOdpovedi, kPopisekPocitacu, kPocitace, kAdresaPocitace, kPouzitPocitac, kVyhledat,
        kSmazatZpravy, kStavovyRadek
    };
    // wParam of kZpravaPraceOvladace: which worker's result arrives.
    enum Prace : WPARAM { kPraceOdeslani = 0, kPraceJmeno = 1, kPraceHledani = 2, kPracePreklad = 3 };

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp);
    void Inicializovat();
    void Rozmistit(int sirka, int vyska);
    void Prikaz(int id, int kod);
    void Oznameni(const NMHDR& n);

    void Odeslat();
    void ZjistitJmeno();
    void Vyhledat();
    void PrelozitVybrany(bool pouzit);
    void Vysledek(WPARAM prace, LPARAM data);
    void HotovoOdeslani(LPARAM data);
    void HotovoHledani(LPARAM data);
    void HotovoPreklad(LPARAM data);

    std::wstring AdresaZPole() const;
    void PridatOdpoved(const std::wstring& radek);
    void Stav(const std::wstring& text);
    void Oznamit(const std::wstring& text) const;
    void ObnovitZaneprazdneni();
    void ZastavitPraci();
    void ZahoditVysledky();

    HWND hwnd_ = nullptr;
    Zaneprazdneni zaneprazdneni_;
    Vynuceno vynuceno_;
    EditCislo port_;
    Knihovna::WinApi::StavovyRadek stav_;
    std::shared_ptr<Holvent::Ftp::PostaOkna> posta_;
    Knihovna::Pracovnik odeslani_, jmeno_, hledani_, preklad_;
    bool znovuZjistitJmeno_ = false;  // the address changed while a look-up ran
    bool zaneprazdnen_ = false;
    // The client area at creation and the original places of the controls, for resizing.
    SIZE puvodni_{};
    struct Misto { int id; RECT r; };
    std::vector<Misto> mista_;
};
