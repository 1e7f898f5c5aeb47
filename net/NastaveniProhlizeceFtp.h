#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

// The FTP browser's settings: "Prohlizec FTP", its subkey "Posledni" (the last connection) and "Okno" (the split
// between the panes; the window's own placement is kept with the other windows').
struct NastaveniProhlizeceFtp {
    static constexpr const wchar_t* kKlic = L"Prohlizec FTP";
    static constexpr const wchar_t* kKlicPosledni = L"Prohlizec FTP\\Posledni";
    static constexpr const wchar_t* kKlicOkno = L"Prohlizec FTP\\Okno";
    static constexpr std::uint32_t kFiltrObrazky = 1;
    static constexpr std::uint32_t kFiltrVidea = 2;
    static constexpr std::uint32_t kFiltrVse = 0xFFFFFFFFu;

    bool nacitatAutomaticky = true;
    std::uint32_t filtrSoubory = kFiltrObrazky | kFiltrVidea;
    std::uint32_t pozadiObrazku = 0;  // COLORREF; the default is the workspace colour of the system
    bool pripojitPoSpusteni = false;
    std::uint32_t shellOtevrit = 0;   // 0 nothing, 1 open, 2 edit
    std::wstring server;
    std::wstring uzivatel;
    std::wstring heslo;
    bool pasivniRezim = true;
    // The folder tree's width and height in pixels (the list beside it, the picture below); the window keeps
    // them within its client area.
    std::int32_t sirkaStromu = 260;
    std::int32_t vyskaStromu = 320;

    void NastavitVychozi(std::uint32_t barvaPracovniPlochy);
    std::vector<Knihovna::Chyba> Nacist(Knihovna::Registr& registr, const std::wstring& koren);
    void Ulozit(Knihovna::Registr& registr, const std::wstring& koren) const;
};
