#include "net/NastaveniProhlizeceFtp.h"

#include "knihovna/RegistrKlic.h"

using namespace Knihovna;

void NastaveniProhlizeceFtp::NastavitVychozi(std::uint32_t barvaPracovniPlochy) {
    *this = NastaveniProhlizeceFtp{};
    pozadiObrazku = barvaPracovniPlochy;
}

namespace {
template <class F>
void Zkusit(std::vector<Chyba>& chyby, F&& f) {
    try {
        f();
    } catch (const Chyba& c) {
        chyby.push_back(c);
    }
}
}  // namespace

std::vector<Chyba> NastaveniProhlizeceFtp::Nacist(Registr& registr, const std::wstring& koren) {
    std::vector<Chyba> chyby;
    RegistrKlic klic(registr, koren);
    bool otevreno = false;
    Zkusit(chyby, [&] { otevreno = klic.ZkusitOtevritCteni(kKlic); });
    if (otevreno) {
        Zkusit(chyby, [&] { klic.CistPriznak(L"nacitatAutomaticky", nacitatAutomaticky); });
        Zkusit(chyby, [&] { klic.CistCislo(L"filtrSoubory", filtrSoubory); });
        Zkusit(chyby, [&] { klic.CistCislo(L"pozadiObrazku", pozadiObrazku); });
        Zkusit(chyby, [&] { klic.CistPriznak(L"pripojitPoSpusteni", pripojitPoSpusteni); });
        Zkusit(chyby, [&] { klic.CistCislo(L"shellOtevrit", shellOtevrit); });
    }
    otevreno = false;
    Zkusit(chyby, [&] { otevreno = klic.ZkusitOtevritCteni(kKlicPosledni); });
    if (otevreno) {
        Zkusit(chyby, [&] { klic.CistText(L"server", server); });
        Zkusit(chyby, [&] { klic.CistText(L"uzivatel", uzivatel); });
        Zkusit(chyby, [&] { klic.CistText(L"heslo", heslo); });
        Zkusit(chyby, [&] { klic.CistPriznak(L"pasivniRezim", pasivniRezim); });
    }
    Zkusit(chyby, [&] { klic.Zavrit(); });
    return chyby;
}

void NastaveniProhlizeceFtp::Ulozit(Registr& registr, const std::wstring& koren) const {
    RegistrKlic klic(registr, koren);
    klic.OtevritZapis(kKlic);
    klic.ZapsatPriznak(L"nacitatAutomaticky", nacitatAutomaticky);
    klic.ZapsatCislo(L"filtrSoubory", filtrSoubory);
    klic.ZapsatCislo(L"pozadiObrazku", pozadiObrazku);
    klic.ZapsatPriznak(L"pripojitPoSpusteni", pripojitPoSpusteni);
    klic.ZapsatCislo(L"shellOtevrit", shellOtevrit);
    klic.OtevritZapis(kKlicPosledni);
    klic.ZapsatText(L"server", server);
    klic.ZapsatText(L"uzivatel", uzivatel);
    klic.ZapsatText(L"heslo", heslo);
    klic.ZapsatPriznak(L"pasivniRezim", pasivniRezim);
    klic.Zavrit();
}
