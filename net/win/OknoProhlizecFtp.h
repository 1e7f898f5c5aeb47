#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/win/OknoAplikace.h"
#include "knihovna/win/StavovyRadek.h"
#include "net/NastaveniProhlizeceFtp.h"
#include "net/ProhlizecFtp.h"
#include "net/win/OknoObrazek.h"
#include "ui/win/OknoRozdelovac.h"

namespace Holvent::Ftp {
class PraceProhlizeceFtp;
struct DavkaVypisuFtp;
struct KonecVypisuFtp;
struct VysledekNahleduFtp;
struct VysledekStazeniFtp;
}  // namespace Holvent::Ftp

// The FTP browser: the server's folders in a tree (TVSlozky, each folder listed when it is first selected or
// expanded), the chosen folder's files in a sorted list (LBSlozky), the previewed picture below them (OknoObrazek)
// and a status bar. The work with the server runs on PraceProhlizeceFtp's workers; their results come back as
// posted messages, and those of replaced or cancelled work are dropped. Its end ends its thread's message loop.
class OknoProhlizecFtp final : public OknoAplikace {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4ProhlizecFtp";
    // The browser's commands.
    static constexpr UINT kVybratServer = 40072, kPredvolby = 40073, kOdpojit = 40074, kNacistObrazek = 40075,
                          kUlozitNaDisk = 40077, kKonec = 40062;
    // Its panes' ids (the splitters pass their notifications on).
    static constexpr int kIdStromu = 101, kIdSeznamu = 102, kIdObrazku = 103, kIdRozdeleniSvisle = 104,
                         kIdRozdeleniVodorovne = 105, kIdStavovehoRadku = 106;

    OknoProhlizecFtp();
    ~OknoProhlizecFtp() override;

    // Creates and shows the window at its stored place; connects to the last server when the settings say so.
    void Vytvorit(const std::wstring& nazev);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void NeosetrenaChyba(const Knihovna::Chyba& chyba) override;

private:
    struct Soubor {
        std::wstring slozka;
        Holvent::Ftp::PolozkaFtp polozka;
    };

    bool Prikaz(UINT prikaz, UINT kod);
    LRESULT Oznameni(const NMHDR& n);
    void PovolitPolozky(HMENU menu) const;
    void Rozvrhnout();
    void Zavrit();

    void VybratServer();
    void Predvolby();
    void Pripojit(const NastaveniProhlizeceFtp& n);
    void Odpojit();
    void Vyprazdnit();
    void VypsatSlozku(HTREEITEM polozka);
    HTREEITEM PridatSlozku(HTREEITEM rodic, const std::wstring& cesta, const std::wstring& jmeno);
    // The file selected in the list, or null.
    const Soubor* VybranySoubor() const;
    void Nahled();
    void Stahnout();
    void PoVyberuSouboru();

    void PrijmoutDavku(const Holvent::Ftp::DavkaVypisuFtp& d);
    void KonecVypisu(const Holvent::Ftp::KonecVypisuFtp& k);
    void NahledHotov(const Holvent::Ftp::VysledekNahleduFtp& v);
    void StazeniHotovo(const Holvent::Ftp::VysledekStazeniFtp& v);
    void StazeniSelhalo(const Holvent::Ftp::VysledekStazeniFtp& v);
    void OtevritStazeny(const std::wstring& cil);
    void NastavitTitulek();
    void Stav(const std::wstring& text);

    NastaveniProhlizeceFtp& nastaveni_;
    std::wstring nazev_;
    std::unique_ptr<Holvent::Ftp::PraceProhlizeceFtp> prace_;
    OknoRozdelovac svisle_{false};     // the panes above, the picture below
    OknoRozdelovac vodorovne_{true};   // the tree, the list beside it
    OknoObrazek obrazek_;
    HWND strom_ = nullptr;
    HWND seznam_ = nullptr;
    Knihovna::WinApi::StavovyRadek radek_;

    std::vector<std::wstring> cestySlozek_;        // a tree item's lParam indexes its folder's path here
    std::map<std::wstring, HTREEITEM> slozky_;      // the tree's items by path
    std::map<std::wstring, bool> vypsane_;          // folders whose subfolders are in the tree
    std::vector<Soubor> soubory_;                   // the list's item data indexes these
    std::wstring slozkaSeznamu_;                    // whose files the list shows
    std::uint64_t velikostStahovani_ = 0;
    std::wstring cilStahovani_;
    bool pripojovani_ = false;
    bool vyberBezVypisu_ = false;  // the tree's selection changes without a listing
};
