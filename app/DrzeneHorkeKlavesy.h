#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/SeznamHorkychKlaves.h"

// Which global hotkeys a window holds: registration of the hotkey table through the system's call,
// once while registered, with the failures counted, and the unregistration of the same keys.
class DrzeneHorkeKlavesy {
public:
    // The system's call for one entry (register or unregister); false when it refused.
    using Akce = std::function<bool(const HorkaKlavesa&)>;

    // Every entry with a key other than 0 through zaregistrovat. A second call while registered does
    // nothing. The number of keys the system refused (the others stay held).
    int Registrovat(const SeznamHorkychKlaves& tabulka, const Akce& zaregistrovat);
    // The keys that the registration got, through odregistrovat; the number refused. 0 when not registered.
    int Odregistrovat(const Akce& odregistrovat);

    bool Registrovano() const { return registrovano_; }
    const std::vector<HorkaKlavesa>& Drzene() const { return drzene_; }

    // The warning for pocet failed keys: the template's first "%d" replaced by the number (a template
    // without one gets it in front). Empty for no failure.
    static std::wstring Hlaseni(const std::wstring& vzor, int pocet);

private:
    std::vector<HorkaKlavesa> drzene_;
    bool registrovano_ = false;
};
