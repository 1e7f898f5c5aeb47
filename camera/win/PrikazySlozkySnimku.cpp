#include "camera/win/PrikazySlozkySnimku.h"

#include <windows.h>

#include "app/TextyZprav.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"

PrikazySlozkySnimku::PrikazySlozkySnimku(SnimkyNaDisk& snimky, const ParametryKamery& parametry,
                                         const std::wstring& jmenoKamery, Rozhrani& okno)
    : snimky_(snimky), parametry_(parametry), jmenoKamery_(jmenoKamery), okno_(okno) {}

void PrikazySlozkySnimku::OtevritSlozku(bool prozkoumat) {
    const std::wstring& slozka = parametry_.snimkyDisk.slozka;
    const DWORD atributy = slozka.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(slozka.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || !(atributy & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (!okno_.OtevritSlozku(prozkoumat ? L"explore" : L"open", slozka))
        okno_.HlasitChybu(TextyZprav::Chyba(Knihovna::Formatovat(L"Složku \"%s\" nelze otevřít", slozka.c_str()),
                                            Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(::GetLastError()))));
}

// Both questions: Yes, No and Cancel with the warning icon and No as the default.
void PrikazySlozkySnimku::SmazatSnimky() {
    if (parametry_.snimkyDisk.soubor.jmeno.empty()) {
        okno_.HlasitChybu(L"Název souborů snímků není nastaven; snímky nelze smazat.");
        return;
    }
    if (!okno_.ZeptatSe(snimky_.OtazkaSmazani(jmenoKamery_), false, true)) return;
    try {
        snimky_.SmazatSnimky();
    } catch (const Knihovna::Chyba& chyba) {
        okno_.HlasitChybu(TextyZprav::Chyba(L"Snímky nelze smazat", Knihovna::WinApi::PopisChyby(chyba)));
    }
}

void PrikazySlozkySnimku::ResetovatCislovani() {
    if (!okno_.ZeptatSe(snimky_.OtazkaResetu(), false, true)) return;
    try {
        snimky_.ResetovatCislovani();
    } catch (const Knihovna::Chyba& chyba) {
        okno_.HlasitChybu(TextyZprav::Chyba(L"Číslování snímků nelze nastavit", Knihovna::WinApi::PopisChyby(chyba)));
    }
}
