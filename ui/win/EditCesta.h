#pragma once

#include <windows.h>

#include <optional>
#include <string>

// An edit holding a path with a browse button beside it; the derived edit opens the shell's dialog. The dialog
// hands every WM_COMMAND to Prikaz.
class EditCesta {
public:
    virtual ~EditCesta() = default;

    void Pripojit(HWND edit, HWND tlacitko);
    // A command of the browse button: opens the dialog and takes its choice. True when it was this edit's button.
    bool Prikaz(WPARAM wp, LPARAM lp);
    std::wstring Text() const;
    void Nastavit(const std::wstring& cesta);
    HWND Okno() const { return edit_; }

protected:
    // The shell's dialog starting at the current path; the chosen path or nothing when cancelled.
    virtual std::optional<std::wstring> Vybrat(HWND vlastnik, const std::wstring& soucasna) = 0;

private:
    HWND edit_ = nullptr;
    HWND tlacitko_ = nullptr;
};
