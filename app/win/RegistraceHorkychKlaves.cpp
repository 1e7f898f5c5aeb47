#include "app/win/RegistraceHorkychKlaves.h"

#include <utility>

#include "app/win/Aplikace.h"
#include "knihovna/win/IkonaOznamovaciOblasti.h"
#include "knihovna/win/Zdroje.h"

namespace {

constexpr int kBublinaVarovani = 2;

}  // namespace

RegistraceHorkychKlaves::RegistraceHorkychKlaves()
    : RegistraceHorkychKlaves(Hlaseni{
          {},
          [](const std::wstring& text) { Aplikace::Instance().ZapsatUdalostVarovani(text); },
          [](const std::wstring& text) { Aplikace::Instance().ZapsatLog(text); },
      }) {
    hlaseniAplikace_ = true;
}

RegistraceHorkychKlaves::RegistraceHorkychKlaves(Hlaseni hlaseni) : hlaseni_(std::move(hlaseni)) {}

RegistraceHorkychKlaves::~RegistraceHorkychKlaves() {
    // A destroyed window has released its keys with it.
    if (!klavesy_.Registrovano() || !::IsWindow(okno_)) return;
    klavesy_.Odregistrovat([this](const HorkaKlavesa& k) {
        return ::UnregisterHotKey(okno_, static_cast<int>(k.idPrikazu)) != FALSE;
    });
}

int RegistraceHorkychKlaves::Registrovat(HWND okno, const SeznamHorkychKlaves& tabulka,
                                         Knihovna::WinApi::IkonaOznamovaciOblasti* ikona) {
    if (klavesy_.Registrovano()) return 0;
    okno_ = okno;
    const int selhani = klavesy_.Registrovat(tabulka, [this](const HorkaKlavesa& k) {
        if (::RegisterHotKey(okno_, static_cast<int>(k.idPrikazu), k.modifikatory, k.klavesa)) return true;
        posledniChyba_ = ::GetLastError();
        return false;
    });
    Ohlasit(kTextNezaregistrovano, L"%d klávesové zkratky se nepodařilo zaregistrovat.", selhani, ikona);
    return selhani;
}

int RegistraceHorkychKlaves::Odregistrovat(Knihovna::WinApi::IkonaOznamovaciOblasti* ikona) {
    const int selhani = klavesy_.Odregistrovat([this](const HorkaKlavesa& k) {
        if (::UnregisterHotKey(okno_, static_cast<int>(k.idPrikazu))) return true;
        posledniChyba_ = ::GetLastError();
        return false;
    });
    Ohlasit(kTextNeodregistrovano, L"%d klávesové zkratky se nepodařilo odregistrovat.", selhani, ikona);
    return selhani;
}

void RegistraceHorkychKlaves::Ohlasit(UINT idTextu, const wchar_t* nahradni, int pocet,
                                      Knihovna::WinApi::IkonaOznamovaciOblasti* ikona) {
    if (pocet <= 0) return;
    std::wstring vzor;
    if (!Knihovna::WinApi::NacistRetezec(::GetModuleHandleW(nullptr), idTextu, vzor)) vzor = nahradni;
    const std::wstring text = DrzeneHorkeKlavesy::Hlaseni(vzor, pocet);
    posledniBublina_ = ikona && ikona->Existuje() && ::IsWindow(okno_) &&
        ikona->Bublina(kBublinaVarovani, hlaseniAplikace_ ? Aplikace::Instance().Produkt() : hlaseni_.titulekBubliny,
                       text);
    if (hlaseni_.udalostVarovani) hlaseni_.udalostVarovani(text);
    if (hlaseni_.log) hlaseni_.log(text);
}
