#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "email/win/DlgZeSablony.h"
#include "app/SeznamHorkychKlaves.h"
#include "app/StrankaHorkychKlaves.h"
#include "ui/KopieNastaveniAplikace.h"
#include "ui/StrankyNastaveniAplikace.h"

// The application settings dialog: the pages in a tree on the left, the page's controls on the right,
// OK, "Storno" and "Použít". The controls edit a copy of the record; OK and "Použít" check every page,
// commit the copy and save it. A refused value keeps the dialog on its page with its message.
class DlgNastaveniAplikace : private Holvent::Email::DlgZeSablony {
public:
    static constexpr UINT kZpravaZmena = 0x8001;  // a page's value changed
    static constexpr int kIdStromu = 1999;
    static constexpr int kIdPouzit = 1998;
    static constexpr int kPrvniIdPrvku = 2000;  // value i: 2000 + 4 i (label), + 1 (control), + 2 (browse)
    // The hotkey page.
    static constexpr int kIdSkupiny = 1990, kIdPrikazu = 1991, kIdKlavesy = 1992, kIdNastavit = 1993,
                         kIdVymazat = 1994, kIdPopisuSkupiny = 1995, kIdPopisuKlavesy = 1996;
    // The log file's actions on the page of the log switches.
    static constexpr int kIdOtevritLog = 1980, kIdArchivovatLog = 1981, kIdSmazatLog = 1982;

    DlgNastaveniAplikace(NastaveniAplikace& nastaveni, std::wstring produkt);
    // True when anything was committed (OK or "Použít").
    bool Zobrazit(HWND vlastnik);

private:
    struct Prvek {
        const StrankyNastaveniAplikace::Hodnota* hodnota;
        int stranka;
        int id;  // the control's id
    };

    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void Inicializovat();
    void ZobrazitStranku(int stranka);
    struct Odmitnuti {
        int id;
        std::wstring zprava;
    };
    // Reads the page's controls into the copy; the first refused control and its message.
    std::optional<Odmitnuti> PrevzitStranku(int stranka);
    bool Potvrdit();
    void NaplnitPrvek(const Prvek& p);
    void VybratBarvu(const Prvek& p);
    void VybratSlozku(const Prvek& p);
    void Odmitnout(const Odmitnuti& o);
    void VytvoritStrankuKlaves(Holvent::Email::SablonaDialogu& sablona);
    void InicializovatStrankuKlaves();
    void NaplnitPrikazy();
    void ZobrazitKlavesu();
    void NastavitKlavesu(bool vymazat);
    int StrankaKlaves() const;

    NastaveniAplikace& nastaveni_;
    KopieNastaveniAplikace kopie_;
    SeznamHorkychKlaves klavesy_;  // the copy the hotkey page edits
    StrankaHorkychKlaves strankaKlaves_{klavesy_};
    std::vector<std::size_t> zobrazeneKlavesy_;  // the entries the command list shows
    HWND ovladacKlavesy_ = nullptr;
    HWND tip_ = nullptr;
    std::wstring produkt_;
    std::vector<Prvek> prvky_;
    std::vector<HANDLE> polozkyStromu_;
    HWND okno_ = nullptr;
    HWND strom_ = nullptr;
    int stranka_ = 0;
    bool naplnovani_ = false;  // the controls are being filled: no change notifications
    bool potvrzeno_ = false;
};
