#pragma once

#include <windows.h>

#include <string>

#include "ui/win/PodtridaOkna.h"

// A one-column report list view with a check box on every row. A check the user toggles is
// reported to the list's parent as WM_COMMAND(MAKEWPARAM(id, kZmenaHodnoty), list); filling the list
// and Nastavit are not. The parent is subclassed to see the list's LVN_ITEMCHANGED, so the dialog
// need not forward anything; it still receives the notification itself.
class ListViewZaskrtnuti {
public:
    ListViewZaskrtnuti() = default;
    ~ListViewZaskrtnuti();
    ListViewZaskrtnuti(const ListViewZaskrtnuti&) = delete;
    ListViewZaskrtnuti& operator=(const ListViewZaskrtnuti&) = delete;

    // Creates the list as a child of rodic at r (client coordinates) with the parent's font, and attaches it.
    HWND Vytvorit(HWND rodic, int id, const RECT& r);
    // Takes an existing list view: report style, check boxes, full-row selection, one column.
    void Pripojit(HWND listView);
    void Odpojit() noexcept;
    HWND Hwnd() const { return seznam_.Okno(); }

    // The new row's index (rows keep the order of addition).
    int Pridat(const std::wstring& text, LPARAM data, bool zaskrtnuto);
    void Vyprazdnit();
    int Pocet() const;
    bool Zaskrtnuto(int index) const;
    void Nastavit(int index, bool zaskrtnuto);
    LPARAM Data(int index) const;
    std::wstring Text(int index) const;

private:
    bool ObsluhaRodice(UINT zprava, WPARAM wp, LPARAM lp);
    void PrizpusobitSloupec();

    PodtridaOkna seznam_;
    PodtridaOkna rodic_;
    bool naplnovani_ = false;  // the program itself changes the rows
};
