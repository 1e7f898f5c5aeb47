#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "knihovna/win/UnikatniHandle.h"

// A previewed picture as the picture pane shows it.
struct NahledObrazkuFtp {
    Knihovna::WinApi::UnikatniBitmapa bitmapa;  // 32-bit, transparency flattened onto pozadi
    int sirka = 0, vyska = 0;
};

// Decodes a server's file held in memory: checked by its header first (RozpoznaniObrazku), then GDI+ from a memory
// stream. A file that is no picture, is damaged or too large raises Knihovna::Chyba with the refusal text naming
// jmeno ("Soubor "%s" není platný obrázek nebo je poškozený.", "Obrázek "%s" je příliš velký (%u x %u bodů).").
NahledObrazkuFtp DekodovatNahled(const std::vector<std::uint8_t>& data, const std::wstring& jmeno,
                                 std::uint32_t pozadi);
