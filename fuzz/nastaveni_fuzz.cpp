// The stored settings read from a damaged registry: the camera record and the application settings (with their
// hotkey table). The values to damage are those the program itself writes: the defaults are saved and the saved
// tree walked, so a value added to a record's description is fuzzed without a line here. The fuzz bytes choose,
// per value, to keep, delete, refill or retype it. Loading reports each value of a wrong type or size and keeps
// its default; saving what was loaded writes every value with its right type, and loading that gives the same.
#include <cstdint>
#include <string>
#include <vector>

#include "Overeni.h"
#include "RegistrFuzz.h"
#include "app/NastaveniAplikace.h"
#include "camera/ParametryKamery.h"
#include "camera/ZasuvnyModul.h"
#include "knihovna/RegistrVPameti.h"

using namespace FuzzRegistr;
using Knihovna::RegistrVPameti;

namespace {

const std::wstring kKoren = L"Software\\Dunmar Holvent\\Tervik\\4.8";
const std::wstring kKamera = CestaKamery(kKoren, L"Dvůr");

struct Vychozi {
    std::vector<Hodnota> kamera;
    std::vector<Hodnota> aplikace;
};

ParametryKamery VychoziKamera() {
    static const SeznamZarizeni video{InfoZarizeni{L"Testovací kamera", L"", L"@device:pnp:\\\\?\\usb#vid_1"}};
    KontextKamery kontext{L"C:\\Data", L"uzivatel", L"Tervik", &video, nullptr};
    ParametryKamery p;
    p.NastavitVychozi(L"Dvůr", kontext);
    // The lists too, so that their values are walked as well.
    p.planovaneSnimky = {ZabalitCas(7, 30, 0), ZabalitCas(18, 0, 15)};
    // Its switches stay off: a plug-in entry is rebuilt on load, a missing value of it gets the entry's own default.
    PridatZasuvnyModul(p.zasuvneModuly, L"C:\\Moduly\\razitko.dll", L"Razítko");
    return p;
}

void VychoziAplikace(NastaveniAplikace& n) { n.NastavitVychozi(L"C:\\Dokumenty", 0x0A00); }

const Vychozi& Vzor() {
    static const Vychozi v = [] {
        Vychozi v;
        RegistrVPameti r;
        VychoziKamera().Ulozit(r, kKamera);
        v.kamera = Vypsat(r, kKamera);
        NastaveniAplikace n;
        VychoziAplikace(n);
        n.Ulozit(r, kKoren);
        for (Hodnota& h : Vypsat(r, kKoren))
            if (h.klic.rfind(L"Kamery", 0) != 0) v.aplikace.push_back(std::move(h));
        return v;
    }();
    return v;
}

const Hodnota* Najit(const std::vector<Hodnota>& v, const Hodnota& h) {
    for (const Hodnota& x : v)
        if (x.klic == h.klic && x.jmeno == h.jmeno) return &x;
    return nullptr;
}

// After a save: exactly the values of the defaults, each of its type and size; the damaged ones (wrong type or
// deleted) with their default content.
void OveritUlozene(const std::vector<Hodnota>& ulozene, const std::vector<Hodnota>& vzor,
                   const std::vector<Zmena>& zmeny, bool seznamyPevne) {
    if (seznamyPevne) OVERIT(ulozene.size() == vzor.size());
    for (std::size_t i = 0; i < vzor.size(); ++i) {
        const Hodnota* u = Najit(ulozene, vzor[i]);
        if (!u) {
            OVERIT(!seznamyPevne);
            continue;
        }
        OVERIT(SpravnyTyp(vzor[i], u->typ, u->data.size()));
        // A plug-in entry is rebuilt on load: its damaged values get the entry's own defaults, not the record's.
        const bool modul = vzor[i].klic.rfind(L"Zasuvne moduly", 0) == 0;
        if ((zmeny[i] == Zmena::ChybnyTyp || zmeny[i] == Zmena::Smazana) && !modul) OVERIT(u->data == vzor[i].data);
    }
}

void Kamera(FuzzedDataProvider& f) {
    const std::vector<Hodnota>& vzor = Vzor().kamera;
    RegistrVPameti r;
    for (const Hodnota& h : vzor) Zapsat(r, kKamera, h);
    std::vector<Zmena> zmeny;
    std::size_t chybnych = 0;
    bool seznamy = false;  // the lists' values are not fixed: their names are the data
    for (const Hodnota& h : vzor) {
        zmeny.push_back(Poskodit(f, r, kKamera, h));
        // A scheduled time is its value's name: the data is never read, so its type is no failure.
        const bool cas = h.klic == L"planovane_snimky";
        chybnych += zmeny.back() == Zmena::ChybnyTyp && !cas;
        const bool vSeznamu = cas || h.klic.rfind(L"Zasuvne moduly", 0) == 0;
        if (vSeznamu && zmeny.back() != Zmena::Zadna) seznamy = true;
    }
    // A stranger in the lists: a scheduled time or a plug-in of any name.
    if (f.ConsumeBool()) {
        const std::string b = f.ConsumeRandomLengthString(12);
        std::wstring jmeno;
        for (char z : b) jmeno.push_back(static_cast<wchar_t>(static_cast<unsigned char>(z)));
        Hodnota h{f.ConsumeBool() ? L"planovane_snimky" : L"Zasuvne moduly\\" + jmeno, jmeno, Knihovna::kRegDword,
                  std::string(4, '\0')};
        if (!h.jmeno.empty() && h.klic.back() != L'\\' && h.jmeno.find(L'\\') == std::wstring::npos) {
            Zapsat(r, kKamera, h);
            seznamy = true;
        }
    }

    ParametryKamery p = VychoziKamera();
    std::vector<std::wstring> upozorneni;
    const auto chyby = p.Nacist(r, kKamera, &upozorneni);
    OVERIT(chyby.size() >= chybnych);
    if (chybnych == 0) OVERIT(chyby.empty());
    for (const auto& c : chyby) OVERIT(!c.Text().empty());

    RegistrVPameti r2;
    p.Ulozit(r2, kKamera);
    OveritUlozene(Vypsat(r2, kKamera), vzor, zmeny, !seznamy);
    ParametryKamery znovu = VychoziKamera();
    OVERIT(znovu.Nacist(r2, kKamera).empty());
    OVERIT(znovu == p);
}

void Aplikace(FuzzedDataProvider& f) {
    const std::vector<Hodnota>& vzor = Vzor().aplikace;
    RegistrVPameti r;
    for (const Hodnota& h : vzor) Zapsat(r, kKoren, h);
    std::vector<Zmena> zmeny;
    std::size_t chybnych = 0;
    for (const Hodnota& h : vzor) {
        zmeny.push_back(Poskodit(f, r, kKoren, h));
        chybnych += zmeny.back() == Zmena::ChybnyTyp;
    }

    NastaveniAplikace n;
    VychoziAplikace(n);
    std::vector<std::wstring> upozorneni;
    const auto chyby = n.Nacist(r, kKoren, &upozorneni);
    OVERIT(chyby.size() >= chybnych);
    if (chybnych == 0) OVERIT(chyby.empty());

    RegistrVPameti r2, r3;
    n.Ulozit(r2, kKoren);
    const std::vector<Hodnota> ulozene = Vypsat(r2, kKoren);
    OveritUlozene(ulozene, vzor, zmeny, true);
    NastaveniAplikace znovu;
    VychoziAplikace(znovu);
    OVERIT(znovu.Nacist(r2, kKoren).empty());
    znovu.Ulozit(r3, kKoren);
    OVERIT(Vypsat(r3, kKoren) == ulozene);
}

}  // namespace

// Each input walks hundreds of registry values, each a few small allocations: short allocation stacks and a small
// quarantine keep the sanitizer's bookkeeping from dominating the run.
extern "C" const char* __asan_default_options() { return "malloc_context_size=4:quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider f(data, size);
    if (f.ConsumeBool()) Kamera(f);
    else Aplikace(f);
    return 0;
}
