#include "video/InfoZarizeni.h"

#include <algorithm>
#include <set>

#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"

using namespace Knihovna;

int PorovnatBezVelikosti(const std::wstring& a, const std::wstring& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = MalePismeno(a[i]);
        const wchar_t y = MalePismeno(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void SeraditAOcislovat(SeznamZarizeni& zarizeni, const PorovnaniNazvu& porovnani) {
    // Names equal but for case are ordered exactly among themselves, so that exact duplicates are
    // neighbours and get numbered (else "USB", "usb", "USB" would show "USB" twice). Stable: devices
    // of one name keep the enumerator's order.
    std::stable_sort(zarizeni.begin(), zarizeni.end(), [&](const InfoZarizeni& a, const InfoZarizeni& b) {
        const int c = porovnani(a.friendlyName, b.friendlyName);
        return c != 0 ? c < 0 : a.friendlyName < b.friendlyName;
    });
    if (zarizeni.empty()) return;
    // Every shown name must be unique (an audio device is identified by it), also when a device's own name
    // already looks numbered: "USB Camera", "USB Camera", "USB Camera #2" number the second one " #3".
    std::set<std::wstring> obsazena;
    for (const auto& z : zarizeni) obsazena.insert(z.friendlyName);
    std::wstring jmenoRady = zarizeni.front().friendlyName;
    int pocitadlo = 1;
    for (size_t i = 1; i < zarizeni.size(); ++i) {
        // Exact equality only: "camera" and "Camera" are two runs.
        if (zarizeni[i].friendlyName == jmenoRady) {
            std::wstring cislovane;
            do cislovane = jmenoRady + Formatovat(L" #%d", ++pocitadlo);
            while (obsazena.count(cislovane));
            obsazena.insert(cislovane);
            zarizeni[i].friendlyName = std::move(cislovane);
        } else {
            jmenoRady = zarizeni[i].friendlyName;
            pocitadlo = 1;
        }
    }
}

std::optional<int> IndexVyberuZarizeni(const SeznamZarizeni& zarizeni, const InfoZarizeni& hledane, DruhZarizeni druh) {
    if (zarizeni.empty()) return std::nullopt;
    int vyber = 0;
    for (size_t i = 0; i < zarizeni.size(); ++i) {
        const bool shoda = druh == DruhZarizeni::Video
                               ? StejneBezVelikosti(zarizeni[i].devicePath, hledane.devicePath)
                               : StejneBezVelikosti(zarizeni[i].friendlyName, hledane.friendlyName);
        if (shoda) vyber = static_cast<int>(i);
    }
    return vyber;
}

std::optional<InfoZarizeni> ZarizeniZVyberu(const SeznamZarizeni& zarizeni, long long data) {
    if (data < 0 || static_cast<unsigned long long>(data) >= zarizeni.size()) return std::nullopt;
    return zarizeni[static_cast<size_t>(data)];
}
