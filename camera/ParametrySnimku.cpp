#include "camera/ParametrySnimku.h"

#include "camera/CteniParametru.h"
#include "camera/PopisSnimku.h"
#include "camera/ZapisParametru.h"
#include "ui/StrankyNastaveniKamery.h"

using namespace Knihovna;

ParametrySnimku ParametrySnimku::Vychozi(const PopisPisma& pismo) {
    ParametrySnimku b;
    b.text.logfont = pismo;
    return b;
}

void NacistBlokSnimku(ParametrySnimku& blok, Registr& registr, const std::wstring& cestaVlastnika,
                      std::vector<Chyba>& chyby, std::vector<std::wstring>* upozorneni) {
    CteniParametru cteni(registr, cestaVlastnika, chyby, upozorneni, StrankyNastaveniKamery::HodnotaPripustna);
    PopsatBlokSnimku(cteni, blok);
}

void UlozitBlokSnimku(const ParametrySnimku& blok, Registr& registr, const std::wstring& cestaVlastnika) {
    try {
        ZapisParametru zapis(registr, cestaVlastnika);
        PopsatBlokSnimku(zapis, blok);
    } catch (const Chyba& c) {
        // The block's message first; the registry's own words (which value, which key) after it.
        std::wstring text = kTextChybaZapisuSnimku;
        if (!c.Text().empty()) text += L"\n" + c.Text();
        throw Chyba(c.Hr(), text, c.Misto());
    }
}
