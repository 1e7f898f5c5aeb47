#pragma once

#include <string>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

// The image editor's settings, key "Editor obrazku" under the root.
struct NastaveniEditoruObrazku {
    static constexpr const wchar_t* kKlic = L"Editor obrazku";

    bool prizpusobitOknu = true;

    // A missing key or value keeps the default; failures are returned, the rest still read.
    std::vector<Knihovna::Chyba> Nacist(Knihovna::Registr& registr, const std::wstring& koren);
    void Ulozit(Knihovna::Registr& registr, const std::wstring& koren) const;
};
