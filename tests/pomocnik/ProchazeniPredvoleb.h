#pragma once

#include <windows.h>

// The checks of the application settings dialog that walk its pages, for the process tests.

// For every value of the pages: opens the dialog of the main window (command 40002), sets a new valid value in
// the value's control, presses OK and compares the registry with what the dialog showed plus the new value.
// Prints a line per value ("OK klic\jmeno" or "CHYBA ..."), and "priorita=0x.." after the priority changed.
// Exit code 0 when every value arrived.
int ProjitHodnotyPredvoleb(HWND hlavni, DWORD ms);

// Chooses the page with the index in the open dialog's tree and checks it: every text fits its control and Tab
// reaches every enabled control. Prints the page's title, then a line per fault. Exit code 0 without a fault,
// 1 with one, 3 when there is no such page.
int ZkontrolovatStrankuPredvoleb(HWND dialog, int stranka);
