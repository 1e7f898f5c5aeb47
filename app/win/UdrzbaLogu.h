#pragma once

#include <windows.h>

#include <string>

// The log-file actions of the log settings pages (the application's and each camera's).
namespace UdrzbaLogu {

// Opens the file in the program associated with its type; false when the shell refused.
bool Otevrit(HWND vlastnik, const std::wstring& cesta);
// Copies the file to a place the user picks (overwriting there); false when nothing was copied.
bool Archivovat(HWND vlastnik, const std::wstring& cesta);
// Deletes the file after the user confirms; true when it was deleted.
bool Smazat(HWND vlastnik, const std::wstring& cesta);

// The tooltips of the three buttons, with the log's path.
std::wstring PopisOtevrit(const std::wstring& cesta);
std::wstring PopisArchivovat(const std::wstring& cesta);
std::wstring PopisSmazat(const std::wstring& cesta);

}  // namespace UdrzbaLogu
