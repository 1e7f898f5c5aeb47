#pragma once

#include "ui/win/EditCesta.h"

// A file edit: the browse button opens the shell's open (or save) dialog with the given filter
// ("Obrázky|*.jpg;*.png|Všechny soubory|*.*").
class EditSoubor : public EditCesta {
public:
    EditSoubor(std::wstring filtr, bool ulozit) : filtr_(std::move(filtr)), ulozit_(ulozit) {}

    // Nothing when the edit is empty or names an existing file (a file to open), else the message that refuses it.
    std::optional<std::wstring> Overit() const;

    // The filter with '|' separators in the form the common dialog wants (zero separated, two zeros at the end).
    static std::wstring FiltrDialogu(const std::wstring& filtr);

protected:
    std::optional<std::wstring> Vybrat(HWND vlastnik, const std::wstring& soucasna) override;

private:
    std::wstring filtr_;
    bool ulozit_;
};
