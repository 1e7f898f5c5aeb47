// The camera window's routing to its snapshot plug-ins (ModulyKamery): the loads and the reports.
#include "camera/win/TervikOkno.h"

#include <algorithm>
#include <mutex>

#include "app/win/Aplikace.h"
#include "camera/win/PrvkyOknaKamery.h"
#include "knihovna/Formatovani.h"

using namespace Knihovna;

namespace {

// A log line is one line: the message's parts joined.
std::wstring JednimRadkem(std::wstring text) {
    std::replace(text.begin(), text.end(), L'\n', L' ');
    return text;
}

}  // namespace

void TervikOkno::NacistZasuvneModuly() {
    std::vector<ZasuvnyModul> seznam;
    {
        std::lock_guard zamek(Zamek());
        seznam = Parametry().zasuvneModuly;
    }
    auto& app = Aplikace::Instance();
    for (const std::wstring& chyba : moduly_.Nacist(seznam, Hwnd(), prijemce_.get())) {
        ZapsatLogKamery(JednimRadkem(chyba));
        // A box only for a user at the screen; a camera running by itself reports like its other errors.
        switch (app.RezimZprav_()) {
        case RezimZprav::Interaktivni: app.ZobrazitChybu(chyba); break;
        case RezimZprav::Automaticky: Zprava(3, chyba); break;
        case RezimZprav::Skryty:
            Zprava(3, chyba);
            app.ZapsatUdalostChyba(Formatovat(L"Tervik \"%s\": %s", Jmeno().c_str(), chyba.c_str()));
            break;
        }
    }
}

void TervikOkno::ZmenaZasuvnychModulu(const std::vector<ZasuvnyModul>& seznam) {
    // Saved first: a list the registry refuses changes nothing (the page reports why).
    UlozitZasuvneModuly(seznam, Aplikace::Instance().Registr(), cestaKamery_);
    {
        std::lock_guard zamek(Zamek());
        Parametry().zasuvneModuly = seznam;
    }
    // A camera switched off while its dialog stayed open loads them with its next window.
    if (Hwnd()) NacistZasuvneModuly();
}

void TervikOkno::SelhaniModulu(LPARAM lp) {
    const std::wstring text = moduly_.PrevzitSelhani(lp, prijemce_.get());
    if (text.empty()) return;
    Zprava(3, text);
    ZapsatLogKamery(text);
    Aplikace::Instance().ZapsatUdalostChyba(Formatovat(L"Tervik \"%s\": %s", Jmeno().c_str(), text.c_str()));
}
