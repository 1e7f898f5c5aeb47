#pragma once

#include "camera/ParametrySnimku.h"

// The one description of the stored snapshot block, relative to its owner's key, for every walk over it
// (reading, writing, the settings dialog's copy). Prevod has Klic(subkey) and Hodnota(name, field) for each
// field type, and Zavrit(); B may be const.
template <class Prevod, class B>
void PopsatBlokSnimku(Prevod& p, B& b) {
    p.Klic(L"Snimek");
    p.Hodnota(L"format", b.format);
    p.Hodnota(L"kvalitaJpeg", b.kvalitaJpeg);
    p.Hodnota(L"velikost", b.velikost);
    p.Klic(L"Snimek\\Upravy");
    p.Hodnota(L"inverzeBarev", b.upravy.inverzeBarev);
    p.Hodnota(L"otoceni", b.upravy.otoceni);
    p.Hodnota(L"preklopitSvisle", b.upravy.preklopitSvisle);
    p.Hodnota(L"preklopitVodorovne", b.upravy.preklopitVodorovne);
    p.Hodnota(L"stupneSede", b.upravy.stupneSede);
    p.Klic(L"Snimek\\Soubor");
    p.Hodnota(L"alfa", b.soubor.alfa);
    p.Hodnota(L"kde", b.soubor.kde);
    p.Hodnota(L"kdy", b.soubor.kdy);
    p.Hodnota(L"pruhlednaBarva", b.soubor.pruhlednaBarva);
    p.Hodnota(L"soubor", b.soubor.soubor);
    p.Klic(L"Snimek\\Text");
    p.Hodnota(L"barvaPisma", b.text.barvaPisma);
    p.Hodnota(L"logfont", b.text.logfont);
    p.Hodnota(L"poziceX", b.text.poziceX);
    p.Hodnota(L"poziceY", b.text.poziceY);
    p.Hodnota(L"pruhlednePismo", b.text.pruhlednePismo);
    p.Hodnota(L"kde", b.text.kde);
    p.Hodnota(L"kdy", b.text.kdy);
    p.Hodnota(L"sirkaPruhu", b.text.sirkaPruhu);
    p.Hodnota(L"co", b.text.co);
    p.Hodnota(L"text", b.text.text);
    p.Zavrit();
}
