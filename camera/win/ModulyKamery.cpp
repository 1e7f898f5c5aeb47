#include "camera/win/ModulyKamery.h"

#include "camera/AktivityKamery.h"
#include "camera/DruhSnimku.h"
#include "camera/win/StrazModulu.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

using Holvent::DirectShow::PrijemceSnimku;

namespace {

// A library whose function never returned stays mapped for the life of the process, whoever lets go of it:
// the hung thread still executes its code.
void PripnoutKnihovnu(const void* funkce) {
    HMODULE h = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         static_cast<LPCWSTR>(funkce), &h);
}

const std::vector<std::size_t>* SeznamDruhu(const SeznamyVolaniModulu& s, int druh) {
    switch (druh) {
    case kSnimekDisk: return &s.disk;
    case kSnimekEmail: return &s.email;
    case kSnimekFtp: return &s.ftp;
    case kSnimekHttp: return &s.http;
    }
    return nullptr;
}

ZasuvneModuly::FunkceSnimku FunkceDruhu(const ZasuvneModuly::Modul& m, int druh) {
    switch (druh) {
    case kSnimekDisk: return m.disk;
    case kSnimekEmail: return m.email;
    case kSnimekFtp: return m.ftp;
    case kSnimekHttp: return m.http;
    }
    return nullptr;
}

long Milisekundy(std::chrono::milliseconds ms) { return static_cast<long>(ms.count()); }

}  // namespace

std::wstring TextSelhaniModulu(const ModulyKamery::Selhani& s) {
    if (s.neodpovedel)
        return Knihovna::Formatovat(L"Zásuvný modul \"%s\" nereagoval do %d ms a byl vypnut.", s.jmeno.c_str(),
                                    static_cast<int>(s.limitMs));
    return Knihovna::Formatovat(L"Zásuvný modul \"%s\" selhal (0x%08X) a byl vypnut.", s.jmeno.c_str(),
                                static_cast<unsigned>(s.kod));
}

std::vector<std::wstring> ModulyKamery::Nacist(const std::vector<ZasuvnyModul>& seznam, HWND okno,
                                               PrijemceSnimku* prijemce) {
    // The old live list leaves the streaming thread before its libraries may be freed.
    Uvolnit(prijemce);
    okno_ = okno;
    std::vector<std::wstring> chyby = moduly_.Nacist(seznam);
    VymenitZivySeznam(SestavitZivySeznam(), prijemce);
    return chyby;
}

void ModulyKamery::Uvolnit(PrijemceSnimku* prijemce) {
    VymenitZivySeznam(nullptr, prijemce);
    moduly_.Uvolnit();
}

std::shared_ptr<const ModulyKamery::ZivySeznam> ModulyKamery::SestavitZivySeznam() const {
    if (moduly_.Seznamy().zivy.empty()) return nullptr;
    auto seznam = std::make_shared<ZivySeznam>();
    for (std::size_t i : moduly_.Seznamy().zivy) {
        const ZasuvneModuly::Modul& m = moduly_.Moduly()[i];
        auto z = std::make_shared<ZivyModul>();
        z->knihovna = m.knihovna;
        z->funkce = m.zapisDoObrazu;
        z->jmeno = m.jmeno;
        z->index = i;
        z->generace = moduly_.Generace();
        seznam->push_back(std::move(z));
    }
    return seznam;
}

void ModulyKamery::VymenitZivySeznam(std::shared_ptr<const ZivySeznam> novy, PrijemceSnimku* prijemce) {
    std::shared_ptr<const ZivySeznam> stary;
    const auto vymena = [&] {
        stary = std::move(zivy_);
        zivy_ = std::move(novy);
        // Without live plug-ins grabs take the grabber's buffer again.
        if (!zivy_ && prijemce) prijemce->ZahoditSnimek();
    };
    if (prijemce) prijemce->PodZamkem(vymena);
    else vymena();
    // The old list (and with it, perhaps, the last hold on a library) goes outside the receiver's lock.
}

void ModulyKamery::ZivySnimek(std::uint8_t* data, long delka, int sirka, int vyska, bool referencni,
                              PrijemceSnimku& prijemce) noexcept {
    try {
        const std::shared_ptr<const ZivySeznam> seznam = zivy_;
        if (!seznam || !data || delka <= 0) return;
        const std::size_t potreba = DelkaZivehoSnimku(sirka, vyska);
        if (!referencni && potreba != 0 && static_cast<std::size_t>(delka) >= potreba) {
            for (const std::shared_ptr<ZivyModul>& m : *seznam) {
                if (m->vypnuty) continue;
                // The call holds the library: freed after a reload only once the call has left it.
                const auto vysledek = vlaknoZivehoObrazu_.Zavolat(
                    [m, sirka, vyska](std::uint8_t* kopie, std::size_t) {
                        return StrazVolatZapisDoObrazu(m->funkce, kopie, sirka, vyska);
                    },
                    data, potreba, VlaknoZasuvnehoModulu::kLimitZivehoObrazu);
                if (vysledek.konec == VlaknoZasuvnehoModulu::Konec::Dobehlo) continue;
                m->vypnuty = true;
                const bool neodpovedel = vysledek.konec == VlaknoZasuvnehoModulu::Konec::Neodpovedelo;
                if (neodpovedel) PripnoutKnihovnu(reinterpret_cast<const void*>(m->funkce));
                Oznamit({m->generace, m->index, m->jmeno, neodpovedel, vysledek.kod,
                         Milisekundy(VlaknoZasuvnehoModulu::kLimitZivehoObrazu)});
            }
        }
        prijemce.PonechatSnimek(data, delka);
    } catch (...) {
        // Out of memory for a copy: the frame goes on as delivered.
    }
}

void ModulyKamery::UpravitSnimek(Gdiplus::Bitmap& bitmapa, int druh,
                                 Holvent::DirectShow::ZachytavaniVidea& zachytavani) {
    const std::vector<std::size_t>* seznam = SeznamDruhu(moduly_.Seznamy(), druh);
    if (!seznam || seznam->empty()) return;
    // A copy: a fault below changes the lists.
    const std::vector<std::size_t> indexy = *seznam;
    for (std::size_t i : indexy) {
        const ZasuvneModuly::Modul& m = moduly_.Moduly()[i];
        const ZasuvneModuly::FunkceSnimku funkce = FunkceDruhu(m, druh);
        if (!funkce) continue;
        void* b = &bitmapa;
        const auto vysledek = vlaknoSnimku_.Zavolat(
            [knihovna = m.knihovna, funkce, b](std::uint8_t*, std::size_t) { return StrazVolatUpravuSnimku(funkce, b); },
            nullptr, 0, VlaknoZasuvnehoModulu::kLimitSnimku);
        if (vysledek.konec == VlaknoZasuvnehoModulu::Konec::Dobehlo) continue;
        Selhani s{moduly_.Generace(), i, m.jmeno, vysledek.konec == VlaknoZasuvnehoModulu::Konec::Neodpovedelo,
                  vysledek.kod, Milisekundy(VlaknoZasuvnehoModulu::kLimitSnimku)};
        Oznamit(s);
        moduly_.Vypnout(i);
        if (s.neodpovedel) {
            PripnoutKnihovnu(reinterpret_cast<const void*>(funkce));
            // The function may still draw in the bitmap: it is never freed, and this snapshot is not saved.
            zachytavani.OpustitBitmapu();
            Knihovna::Vyhodit(HRESULT_FROM_WIN32(ERROR_TIMEOUT), TextSelhaniModulu(s));
        }
        // A fault: the bitmap is as the plug-in left it; the snapshot goes on without the plug-in.
    }
}

void ModulyKamery::Oznamit(Selhani selhani) const {
    HWND okno = okno_.load();
    if (!okno) return;
    auto zprava = std::make_unique<Selhani>(std::move(selhani));
    if (::PostMessageW(okno, kZpravaSelhaniModulu, 0, reinterpret_cast<LPARAM>(zprava.get()))) zprava.release();
}

std::wstring ModulyKamery::PrevzitSelhani(LPARAM lp, PrijemceSnimku* prijemce) {
    const std::unique_ptr<Selhani> s(reinterpret_cast<Selhani*>(lp));
    if (!s) return {};
    if (s->generace == moduly_.Generace()) {
        moduly_.Vypnout(s->index);
        VymenitZivySeznam(SestavitZivySeznam(), prijemce);
    }
    return TextSelhaniModulu(*s);
}
