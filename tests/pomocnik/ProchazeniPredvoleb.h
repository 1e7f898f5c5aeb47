#pragma once

#include <windows.h>

// The checks of the application settings dialog that walk its pages, for the process tests.

#include <span>
#include <string>

#include "ui/ModelStranky.h"

// A settings dialog whose pages are tables: the window that opens it, by which command, its title, the registry
// key its values live under and its pages.
struct PopisPredvoleb {
    HWND okno;
    UINT prikaz;
    std::wstring titulek;
    std::wstring koren;
    std::span<const ModelStranky::Stranka> stranky;
    int prvniId;  // of the first table value's label
};

// In skupin rounds (0: one per value): opens the dialog, sets a new valid value in the control of every value
// whose index modulo skupin is the round (a greyed control stays as it is), presses OK and compares the registry
// with what the dialog showed plus the new values. Prints a line per value set ("OK klic\jmeno = hodnota"), one per
// wrong stored value ("CHYBA ..."), and "priorita=0x.." after the process priority changed. Exit code 0 when every
// value arrived.
int ProjitHodnotyPredvoleb(const PopisPredvoleb& popis, DWORD ms, std::size_t skupin);

// Chooses the page with the index in the open dialog's tree and checks it: every text fits its control and Tab
// reaches every enabled control. Prints the page's title, then a line per fault. Exit code 0 without a fault,
// 1 with one, 3 when there is no such page.
int ZkontrolovatStrankuPredvoleb(HWND dialog, int stranka);
