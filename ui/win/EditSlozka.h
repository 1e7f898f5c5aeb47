#pragma once

#include "ui/win/EditCesta.h"

// A folder edit: the browse button opens the shell's folder dialog.
class EditSlozka : public EditCesta {
public:
    explicit EditSlozka(std::wstring titulek) : titulek_(std::move(titulek)) {}

    // Nothing when the folder exists, else the message that refuses it.
    std::optional<std::wstring> Overit() const;

protected:
    std::optional<std::wstring> Vybrat(HWND vlastnik, const std::wstring& soucasna) override;

private:
    std::wstring titulek_;
    std::wstring pocatecni_;  // the folder the dialog starts in
};
