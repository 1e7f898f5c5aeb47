#include "testkamera/PrikazInstalace.h"

#include <cwctype>

#include "knihovna/Text.h"

namespace TestovaciKamera {

std::optional<PrikazInstalace> RozebratPrikazInstalace(const std::wstring& text, int nejvic) {
    PrikazInstalace prikaz;
    bool pocetDan = false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == L' ' || text[i] == L',' || text[i] == L'\t') {
            ++i;
            continue;
        }
        std::size_t konec = i;
        while (konec < text.size() && text[konec] != L' ' && text[konec] != L',' && text[konec] != L'\t') ++konec;
        const std::wstring slovo = text.substr(i, konec - i);
        i = konec;
        if (std::iswdigit(slovo[0])) {
            if (pocetDan || slovo.size() > 3) return std::nullopt;
            int n = 0;
            for (wchar_t z : slovo) {
                if (!std::iswdigit(z)) return std::nullopt;
                n = n * 10 + (z - L'0');
            }
            if (n < 1 || n > nejvic) return std::nullopt;
            prikaz.pocet = n;
            pocetDan = true;
        } else if (Knihovna::StejneBezVelikosti(slovo, L"bezobrazu") && !prikaz.bezObrazu) {
            prikaz.bezObrazu = true;
        } else {
            return std::nullopt;
        }
    }
    return prikaz;
}

int CisloZarizeniZCesty(const std::wstring& cesta) {
    const std::wstring znacka = L"#testovaci-kamera-";
    const std::size_t i = cesta.find(znacka);
    if (i == std::wstring::npos) return 0;
    int n = 0;
    std::size_t j = i + znacka.size();
    for (; j < cesta.size() && std::iswdigit(cesta[j]) && n < 1000; ++j) n = n * 10 + (cesta[j] - L'0');
    const bool konec = j < cesta.size() && cesta[j] == L'#';
    return konec && j > i + znacka.size() && n <= 99 ? n : 0;
}

}  // namespace TestovaciKamera
