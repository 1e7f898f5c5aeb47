#include "app/PrikazovyRadek.h"

#include "knihovna/Text.h"

using Knihovna::StejneBezVelikosti;

namespace {

// "/x", "-x" or "x".
bool JePrepinac(const std::wstring& argument, const wchar_t* nazev) {
    std::wstring_view a = argument;
    if (!a.empty() && (a.front() == L'/' || a.front() == L'-')) a.remove_prefix(1);
    return StejneBezVelikosti(a, nazev);
}

}  // namespace

ParametryPrikazovehoRadku RozebratPrikazovyRadek(const std::vector<std::wstring>& argumenty) {
    ParametryPrikazovehoRadku p;
    if (argumenty.empty()) return p;
    const std::wstring& prvni = argumenty.front();
    if (StejneBezVelikosti(prvni, L"/automaticky")) {
        p.rezimZprav = RezimZprav::Automaticky;
    } else if (JePrepinac(prvni, L"skryt")) {
        p.rezimZprav = RezimZprav::Skryty;
    } else if (JePrepinac(prvni, L"eo")) {
        p.rezim = RezimSpusteni::EditorObrazku;
    } else if (JePrepinac(prvni, L"fp")) {
        p.rezim = RezimSpusteni::ProhlizecFtp;
    } else if (JePrepinac(prvni, L"pv")) {
        p.rezim = RezimSpusteni::PrehravacVidea;
        if (argumenty.size() > 1) p.soubor = argumenty[1];
    } else if (JePrepinac(prvni, L"so")) {
        p.rezim = RezimSpusteni::SitovyOvladac;
    } else if (JePrepinac(prvni, L"vk")) {
        p.rezim = RezimSpusteni::VychoziKamera;
    } else if (JePrepinac(prvni, L"ka")) {
        p.rezim = RezimSpusteni::VychoziKamera;
        if (argumenty.size() > 1) p.jmenoKamery = argumenty[1];
    }
    return p;
}

std::wstring IdModeluAplikace(RezimSpusteni rezim) {
    switch (rezim) {
    case RezimSpusteni::Aplikace: return L"DunmarHolvent.Tervik.Aplikace";
    case RezimSpusteni::EditorObrazku: return L"DunmarHolvent.Tervik.EditorObr";
    case RezimSpusteni::ProhlizecFtp: return L"DunmarHolvent.Tervik.FtpPruzkumnik";
    case RezimSpusteni::PrehravacVidea: return L"DunmarHolvent.Tervik.Videoprehravac";
    case RezimSpusteni::SitovyOvladac: return L"DunmarHolvent.Tervik.SitovyOvladac";
    case RezimSpusteni::Kamera: return L"DunmarHolvent.Tervik.Tervik";
    case RezimSpusteni::VychoziKamera: return L"DunmarHolvent.Tervik.VychoziTervik";
    }
    return L"DunmarHolvent.Tervik";
}
