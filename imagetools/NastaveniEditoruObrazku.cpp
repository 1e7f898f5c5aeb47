#include "imagetools/NastaveniEditoruObrazku.h"

#include "knihovna/RegistrKlic.h"

using namespace Knihovna;

std::vector<Chyba> NastaveniEditoruObrazku::Nacist(Registr& registr, const std::wstring& koren) {
    std::vector<Chyba> chyby;
    try {
        RegistrKlic klic(registr, koren);
        if (!klic.ZkusitOtevritCteni(kKlic)) return chyby;
        klic.CistPriznak(L"prizpusobitOknu", prizpusobitOknu);
        klic.Zavrit();
    } catch (const Chyba& c) {
        chyby.push_back(c);
    }
    return chyby;
}

void NastaveniEditoruObrazku::Ulozit(Registr& registr, const std::wstring& koren) const {
    RegistrKlic klic(registr, koren);
    klic.OtevritZapis(kKlic);
    klic.ZapsatPriznak(L"prizpusobitOknu", prizpusobitOknu);
    klic.Zavrit();
}
