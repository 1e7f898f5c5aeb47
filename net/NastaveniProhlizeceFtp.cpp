#include "net/NastaveniProhlizeceFtp.h"

#include "knihovna/RegistrKlic.h"
#include "knihovna/SberChyb.h"

using namespace Knihovna;

void NastaveniProhlizeceFtp::NastavitVychozi(std::uint32_t barvaPracovniPlochy) {
    *this = NastaveniProhlizeceFtp{};
    pozadiObrazku = barvaPracovniPlochy;
}

std::vector<Chyba> NastaveniProhlizeceFtp::Nacist(Registr& registr, const std::wstring& koren) {
    std::vector<Chyba> chyby;
    RegistrKlic klic(registr, koren);
    bool otevreno = false;
    ZkusitKrok(chyby, [&] { otevreno = klic.ZkusitOtevritCteni(kKlic); });
    if (otevreno) {
        ZkusitKrok(chyby, [&] { klic.CistPriznak(L"nacitatAutomaticky", nacitatAutomaticky); });
        ZkusitKrok(chyby, [&] { klic.CistCislo(L"filtrSoubory", filtrSoubory); });
        ZkusitKrok(chyby, [&] { klic.CistCislo(L"pozadiObrazku", pozadiObrazku); });
        ZkusitKrok(chyby, [&] { klic.CistPriznak(L"pripojitPoSpusteni", pripojitPoSpusteni); });
        ZkusitKrok(chyby, [&] { klic.CistCislo(L"shellOtevrit", shellOtevrit); });
    }
    otevreno = false;
    ZkusitKrok(chyby, [&] { otevreno = klic.ZkusitOtevritCteni(kKlicPosledni); });
    if (otevreno) {
        ZkusitKrok(chyby, [&] { klic.CistText(L"server", server); });
        ZkusitKrok(chyby, [&] { klic.CistText(L"uzivatel", uzivatel); });
        ZkusitKrok(chyby, [&] { klic.CistText(L"heslo", heslo); });
        ZkusitKrok(chyby, [&] { klic.CistPriznak(L"pasivniRezim", pasivniRezim); });
    }
    otevreno = false;
    ZkusitKrok(chyby, [&] { otevreno = klic.ZkusitOtevritCteni(kKlicOkno); });
    if (otevreno) {
        ZkusitKrok(chyby, [&] { klic.CistCislo(L"sirkaStromu", sirkaStromu); });
        ZkusitKrok(chyby, [&] { klic.CistCislo(L"vyskaStromu", vyskaStromu); });
    }
    ZkusitKrok(chyby, [&] { klic.Zavrit(); });
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
    klic.OtevritZapis(kKlicOkno);
    klic.ZapsatCislo(L"sirkaStromu", static_cast<std::uint32_t>(sirkaStromu));
    klic.ZapsatCislo(L"vyskaStromu", static_cast<std::uint32_t>(vyskaStromu));
    klic.Zavrit();
}
