// A small strict reader of the messages the composer writes, for the fuzz programs: CR LF line ends only, header
// lines of "Name: value" with folds, multipart bodies split at their boundaries, transfer encodings and RFC 2047 /
// RFC 2231 texts decoded. Anything it cannot read is reported as the fault it shows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Pomocne.h"
#include "email/Base64.h"

namespace MimeRozbor {

struct Hlavicka {
    std::string nazev;    // in lower case
    std::string hodnota;  // unfolded, leading white space removed
};

// A leaf of the message: a text part or a file.
struct List {
    std::vector<Hlavicka> hlavicky;
    std::string typ;       // media type in lower case
    std::map<std::string, std::string> parametry;     // of Content-Type (names in lower case, RFC 2231 joined)
    std::string dispozice;                            // "attachment", "inline" or empty
    std::map<std::string, std::string> parametryDispozice;
    std::string kodovani;  // Content-Transfer-Encoding in lower case
    std::string obsah;     // decoded
};

struct Zprava {
    std::vector<Hlavicka> hlavicky;  // of the message itself
    std::vector<List> listy;
};

inline std::string Malymi(std::string_view s) {
    std::string v(s);
    for (char& z : v)
        if (z >= 'A' && z <= 'Z') z = static_cast<char>(z - 'A' + 'a');
    return v;
}

inline const std::string* Najit(const std::vector<Hlavicka>& hlavicky, std::string_view nazev) {
    for (const Hlavicka& h : hlavicky)
        if (h.nazev == nazev) return &h.hodnota;
    return nullptr;
}

// Dot transparency undone (what the receiving server does); false for a bare CR or LF, a line of "." alone (the end
// of DATA) or a line longer than 998.
inline bool ZrusitTecky(std::string_view drat, std::string& text, std::string& chyba) {
    text.clear();
    std::size_t od = 0;
    while (od < drat.size()) {
        std::size_t konec = drat.find("\r\n", od);
        const bool posledni = konec == std::string_view::npos;
        if (posledni) konec = drat.size();
        std::string_view radek = drat.substr(od, konec - od);
        if (radek.find_first_of("\r\n") != std::string_view::npos) return chyba = "holé CR nebo LF", false;
        if (radek.size() > 998) return chyba = "řádek delší než 998", false;
        if (radek == ".") return chyba = "řádek s tečkou ukončí DATA", false;
        if (!radek.empty() && radek[0] == '.') radek.remove_prefix(1);
        text += radek;
        if (!posledni) text += "\r\n";
        od = konec + 2;
    }
    return true;
}

// Header block and body of an entity. Header lines are "Name: value" (a name of visible ASCII) or folds; the
// block ends at an empty line or at the end of the text.
inline bool RozdelitEntitu(std::string_view text, std::vector<Hlavicka>& hlavicky, std::string_view& telo,
                           std::string& chyba) {
    hlavicky.clear();
    std::size_t konecHlavicek = text.find("\r\n\r\n");
    std::string_view blok;
    if (konecHlavicek == std::string_view::npos) {
        if (!text.empty() && !text.ends_with("\r\n")) return chyba = "hlavičky bez konce řádku", false;
        blok = text.substr(0, text.empty() ? 0 : text.size() - 2);
        telo = {};
    } else {
        blok = text.substr(0, konecHlavicek);
        telo = text.substr(konecHlavicek + 4);
    }
    std::size_t od = 0;
    while (od <= blok.size() && !blok.empty()) {
        std::size_t konec = blok.find("\r\n", od);
        if (konec == std::string_view::npos) konec = blok.size();
        const std::string_view radek = blok.substr(od, konec - od);
        for (unsigned char z : radek)
            if ((z < 32 && z != '\t') || z == 127) return chyba = "řídicí znak v hlavičce", false;
        if (!radek.empty() && (radek[0] == ' ' || radek[0] == '\t')) {
            if (hlavicky.empty()) return chyba = "pokračování bez hlavičky", false;
            if (radek.find_first_not_of(" \t") == std::string_view::npos) return chyba = "prázdné pokračování", false;
            hlavicky.back().hodnota += radek;
        } else {
            const std::size_t dvojtecka = radek.find(':');
            if (dvojtecka == std::string_view::npos || dvojtecka == 0) return chyba = "řádek, který není hlavičkou", false;
            for (unsigned char z : radek.substr(0, dvojtecka))
                if (z < 33 || z > 126) return chyba = "neplatný název hlavičky", false;
            std::string_view hodnota = radek.substr(dvojtecka + 1);
            while (!hodnota.empty() && (hodnota[0] == ' ' || hodnota[0] == '\t')) hodnota.remove_prefix(1);
            hlavicky.push_back({Malymi(radek.substr(0, dvojtecka)), std::string(hodnota)});
        }
        od = konec + 2;
    }
    return true;
}

inline bool DekodovatProcenta(std::string_view s, std::string& v) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            v.push_back(s[i]);
            continue;
        }
        if (i + 2 >= s.size()) return false;
        const int h = FuzzPomocne::HexHodnota(s[i + 1]), l = FuzzPomocne::HexHodnota(s[i + 2]);
        if (h < 0 || l < 0) return false;
        v.push_back(static_cast<char>(h * 16 + l));
        i += 2;
    }
    return true;
}

// "type/sub; a=b; c=\"d\"; e*=utf-8''%C5%99; f*0=\"x\"; f*1*=%20" into the value and its parameters.
inline bool RozebratParametry(std::string_view hodnota, std::string& hlavni, std::map<std::string, std::string>& par,
                              std::string& chyba) {
    par.clear();
    std::vector<std::string> kusy;
    std::string kus;
    bool uvozovky = false;
    for (std::size_t i = 0; i < hodnota.size(); ++i) {
        const char z = hodnota[i];
        if (uvozovky && z == '\\' && i + 1 < hodnota.size()) {
            kus += z;
            kus += hodnota[++i];
            continue;
        }
        if (z == '"') uvozovky = !uvozovky;
        if (z == ';' && !uvozovky) {
            kusy.push_back(std::move(kus));
            kus.clear();
            continue;
        }
        kus += z;
    }
    if (uvozovky) return chyba = "neukončené uvozovky", false;
    kusy.push_back(std::move(kus));
    auto orezat = [](std::string_view s) {
        const std::size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
        return a == std::string_view::npos ? std::string() : std::string(s.substr(a, b - a + 1));
    };
    hlavni = Malymi(orezat(kusy[0]));
    // Pieces of RFC 2231 continuations by name and number.
    std::map<std::string, std::map<int, std::string>> pokracovani;
    for (std::size_t k = 1; k < kusy.size(); ++k) {
        const std::string p = orezat(kusy[k]);
        const std::size_t rovnitko = p.find('=');
        if (rovnitko == std::string::npos) return chyba = "parametr bez =", false;
        std::string nazev = Malymi(p.substr(0, rovnitko));
        std::string_view surova = std::string_view(p).substr(rovnitko + 1);
        std::string hodnotaP;
        const bool rozsirena = !nazev.empty() && nazev.back() == '*';
        if (rozsirena) nazev.pop_back();
        int cislo = -1;
        if (const std::size_t hv = nazev.find('*'); hv != std::string::npos) {
            const std::string c = nazev.substr(hv + 1);
            if (c.empty() || c.size() > 3 || c.find_first_not_of("0123456789") != std::string::npos)
                return chyba = "neplatné číslo pokračování", false;
            cislo = std::stoi(c);
            nazev.resize(hv);
        }
        if (rozsirena) {
            if (cislo <= 0) {
                // charset'language'text
                const std::size_t a = surova.find('\''), b = a == std::string_view::npos ? a : surova.find('\'', a + 1);
                if (b == std::string_view::npos || Malymi(surova.substr(0, a)) != "utf-8")
                    return chyba = "rozšířený parametr bez utf-8''", false;
                surova.remove_prefix(b + 1);
            }
            if (!DekodovatProcenta(surova, hodnotaP)) return chyba = "neplatné %XX", false;
        } else if (!surova.empty() && surova[0] == '"') {
            if (surova.size() < 2 || surova.back() != '"') return chyba = "text za uvozovkami", false;
            surova = surova.substr(1, surova.size() - 2);
            for (std::size_t i = 0; i < surova.size(); ++i) {
                if (surova[i] == '"') return chyba = "uvozovky uvnitř hodnoty", false;
                if (surova[i] == '\\' && i + 1 < surova.size()) ++i;
                hodnotaP.push_back(surova[i]);
            }
        } else {
            if (surova.find_first_of(" \t\"()<>@,;:\\/[]?=") != std::string_view::npos)
                return chyba = "neplatný token", false;
            hodnotaP = surova;
        }
        if (cislo < 0) {
            if (par.count(nazev)) return chyba = "parametr dvakrát", false;
            par[nazev] = hodnotaP;
        } else {
            if (pokracovani[nazev].count(cislo)) return chyba = "pokračování dvakrát", false;
            pokracovani[nazev][cislo] = hodnotaP;
        }
    }
    for (const auto& [nazev, kusyP] : pokracovani) {
        if (par.count(nazev)) return chyba = "parametr i s pokračováním", false;
        int ocekavane = 0;
        std::string cela;
        for (const auto& [cislo, h] : kusyP) {
            if (cislo != ocekavane++) return chyba = "díra v pokračováních", false;
            cela += h;
        }
        par[nazev] = cela;
    }
    return true;
}

// Unstructured header text with RFC 2047 encoded words (UTF-8, B or Q) decoded; the white space between two
// encoded words is dropped. The result is UTF-8.
inline bool DekodovatSlova(std::string_view hodnota, std::string& vysledek, std::string& chyba) {
    vysledek.clear();
    std::string mezera;
    bool predchoziKodovane = false;
    std::size_t i = 0;
    while (i < hodnota.size()) {
        const std::size_t zacatekSlova = hodnota.find_first_not_of(" \t", i);
        mezera = std::string(hodnota.substr(i, (zacatekSlova == std::string_view::npos ? hodnota.size() : zacatekSlova) - i));
        if (zacatekSlova == std::string_view::npos) {
            vysledek += mezera;
            break;
        }
        std::size_t konecSlova = hodnota.find_first_of(" \t", zacatekSlova);
        if (konecSlova == std::string_view::npos) konecSlova = hodnota.size();
        const std::string_view slovo = hodnota.substr(zacatekSlova, konecSlova - zacatekSlova);
        bool kodovane = false;
        std::string dekodovane;
        if (slovo.size() >= 8 && slovo.starts_with("=?") && slovo.ends_with("?=")) {
            const std::string_view vnitrek = slovo.substr(2, slovo.size() - 4);
            const std::size_t a = vnitrek.find('?');
            const std::size_t b = a == std::string_view::npos ? a : vnitrek.find('?', a + 1);
            if (b != std::string_view::npos && b == a + 2 && vnitrek.find('?', b + 1) == std::string_view::npos) {
                if (Malymi(vnitrek.substr(0, a)) != "utf-8") return chyba = "kódované slovo jiné než utf-8", false;
                const char druh = vnitrek[a + 1];
                const std::string_view data = vnitrek.substr(b + 1);
                if (druh == 'B' || druh == 'b') {
                    Holvent::Email::Base64 d;
                    d.Decode(reinterpret_cast<const std::uint8_t*>(data.data()), static_cast<std::uint32_t>(data.size()));
                    dekodovane.assign(reinterpret_cast<const char*>(d.DecodedData()), d.DataLength());
                } else if (druh == 'Q' || druh == 'q') {
                    for (std::size_t k = 0; k < data.size(); ++k) {
                        if (data[k] == '_') dekodovane.push_back(' ');
                        else if (data[k] != '=') dekodovane.push_back(data[k]);
                        else {
                            if (k + 2 >= data.size()) return chyba = "neplatné Q", false;
                            const int h = FuzzPomocne::HexHodnota(data[k + 1]), l = FuzzPomocne::HexHodnota(data[k + 2]);
                            if (h < 0 || l < 0) return chyba = "neplatné Q", false;
                            dekodovane.push_back(static_cast<char>(h * 16 + l));
                            k += 2;
                        }
                    }
                } else {
                    return chyba = "neznámé kódování slova", false;
                }
                kodovane = true;
            }
        }
        if (!(kodovane && predchoziKodovane)) vysledek += mezera;
        vysledek += kodovane ? dekodovane : std::string(slovo);
        predchoziKodovane = kodovane;
        i = konecSlova;
    }
    return true;
}

inline bool RozebratEntitu(std::string_view text, std::vector<Hlavicka>& hlavicky, std::vector<List>& listy,
                           std::string& chyba, int hloubka);

// The leaf's or multipart's content after its headers.
inline bool RozebratObsah(const std::vector<Hlavicka>& hlavicky, std::string_view telo, std::vector<List>& listy,
                          std::string& chyba, int hloubka) {
    const std::string* typ = Najit(hlavicky, "content-type");
    List list;
    list.hlavicky = hlavicky;
    if (typ && !RozebratParametry(*typ, list.typ, list.parametry, chyba)) return false;
    if (list.typ.starts_with("multipart/")) {
        if (hloubka > 2) return chyba = "příliš hluboké vnoření", false;
        const auto b = list.parametry.find("boundary");
        if (b == list.parametry.end() || b->second.empty()) return chyba = "multipart bez hranice", false;
        const std::string oddelovac = "\r\n--" + b->second;
        const std::string cele = "\r\n" + std::string(telo);
        std::size_t p = cele.find(oddelovac);
        if (p == std::string::npos) return chyba = "chybí první hranice", false;
        for (;;) {
            std::size_t za = p + oddelovac.size();
            if (cele.compare(za, 2, "--") == 0) return true;  // the closing delimiter; the epilogue is ignored
            if (cele.compare(za, 2, "\r\n") != 0) return chyba = "text za hranicí", false;
            za += 2;
            const std::size_t dalsi = cele.find(oddelovac, za);
            if (dalsi == std::string::npos) return chyba = "chybí uzavírací hranice", false;
            std::vector<Hlavicka> h;
            if (!RozebratEntitu(std::string_view(cele).substr(za, dalsi - za), h, listy, chyba, hloubka + 1))
                return false;
            p = dalsi;
        }
    }
    if (const std::string* d = Najit(hlavicky, "content-disposition")) {
        std::string druh;
        if (!RozebratParametry(*d, druh, list.parametryDispozice, chyba)) return false;
        list.dispozice = druh;
    }
    const std::string* cte = Najit(hlavicky, "content-transfer-encoding");
    list.kodovani = cte ? Malymi(*cte) : "7bit";
    if (list.kodovani == "quoted-printable") {
        if (!FuzzPomocne::DekodovatQp(telo, list.obsah)) return chyba = "neplatný quoted-printable", false;
    } else if (list.kodovani == "base64") {
        for (char z : telo)
            if (!((z >= 'A' && z <= 'Z') || (z >= 'a' && z <= 'z') || (z >= '0' && z <= '9') || z == '+' ||
                  z == '/' || z == '=' || z == '\r' || z == '\n'))
                return chyba = "znak mimo Base64", false;
        Holvent::Email::Base64 d;
        d.Decode(reinterpret_cast<const std::uint8_t*>(telo.data()), static_cast<std::uint32_t>(telo.size()));
        list.obsah.assign(reinterpret_cast<const char*>(d.DecodedData()), d.DataLength());
    } else if (list.kodovani == "7bit" || list.kodovani == "8bit") {
        for (unsigned char z : telo) {
            if (z == 0) return chyba = "NUL v textu", false;
            if (z > 127 && list.kodovani == "7bit") return chyba = "8bitový znak v 7bit", false;
        }
        list.obsah = telo;
    } else {
        return chyba = "neznámé kódování přenosu", false;
    }
    listy.push_back(std::move(list));
    return true;
}

inline bool RozebratEntitu(std::string_view text, std::vector<Hlavicka>& hlavicky, std::vector<List>& listy,
                           std::string& chyba, int hloubka) {
    std::string_view telo;
    if (!RozdelitEntitu(text, hlavicky, telo, chyba)) return false;
    if (!Najit(hlavicky, "content-type") && telo.empty() && hloubka == 0) return true;  // no parts at all
    return RozebratObsah(hlavicky, telo, listy, chyba, hloubka);
}

// The whole wire text (as after DATA, without the final "."); false with the reason when it cannot be read.
inline bool Rozebrat(std::string_view drat, Zprava& zprava, std::string& chyba) {
    std::string text;
    if (!ZrusitTecky(drat, text, chyba)) return false;
    return RozebratEntitu(text, zprava.hlavicky, zprava.listy, chyba, 0);
}

}  // namespace MimeRozbor
