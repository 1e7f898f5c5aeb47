#include "app/SeznamKamer.h"

#include <algorithm>

#include "knihovna/Formatovani.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/Text.h"
#include "resources/IdZdroju.h"
#include "video/InfoZarizeni.h"

using namespace Knihovna;

namespace {

constexpr const wchar_t* kNazevNoveKamery = L"Nová tervik";
constexpr const wchar_t* kTextOtevrenyDialog =
    L"Tervik \"%s\" má otevřené dialogové okno.\nNejprve je zavřete a potom akci opakujte.";
constexpr const wchar_t* kTextZadneZarizeni =
    L"Nebylo nalezeno žádné videozařízení. Seznam kamer zůstává beze změny.";

}  // namespace

SeznamKamer::SeznamKamer(Registr& registr, NastaveniAplikace& nastaveni, RozhraniSeznamuKamer& rozhrani,
                         std::wstring koren, TvurceKamer tvurce)
    : registr_(registr), nastaveni_(nastaveni), rozhrani_(rozhrani), koren_(std::move(koren)), tvurce_(std::move(tvurce)) {}

SeznamKamer::~SeznamKamer() { UvolnitVse(); }

std::unique_ptr<Tervik> SeznamKamer::Vytvorit(const std::wstring& jmeno) {
    return tvurce_ ? tvurce_(jmeno) : std::make_unique<Tervik>(jmeno);
}

Tervik* SeznamKamer::Kamera(int index) const {
    if (index < 0 || index >= Pocet()) return nullptr;
    return kamery_[static_cast<size_t>(index)].get();
}

int SeznamKamer::Najit(const std::wstring& jmeno) const {
    for (size_t i = 0; i < kamery_.size(); ++i)
        if (StejneBezVelikosti(kamery_[i]->Jmeno(), jmeno)) return static_cast<int>(i);
    return -1;
}

int SeznamKamer::IndexVychoziKamery() const {
    for (size_t i = 0; i < kamery_.size(); ++i)
        if (kamery_[i].get() == vychozi_) return static_cast<int>(i);
    return -1;
}

void SeznamKamer::Seradit() {
    std::stable_sort(kamery_.begin(), kamery_.end(), [](const auto& a, const auto& b) {
        return PorovnatBezVelikosti(a->Jmeno(), b->Jmeno()) < 0;
    });
}

int SeznamKamer::Vlozit(std::unique_ptr<Tervik> kamera) {
    Tervik* k = kamera.get();
    kamery_.push_back(std::move(kamera));
    Seradit();
    for (size_t i = 0; i < kamery_.size(); ++i)
        if (kamery_[i].get() == k) return static_cast<int>(i);
    return -1;
}

void SeznamKamer::OznacitVychozi(Tervik* kamera) {
    if (vychozi_) vychozi_->OznacitJakoVychozi(false);
    vychozi_ = kamera;
    if (vychozi_) vychozi_->OznacitJakoVychozi(true);
}

void SeznamKamer::OhlasitNacteni(const Tervik& kamera, const std::vector<Chyba>& chyby) {
    // Once per camera: the first failure names the value; the others kept their defaults as well.
    if (!chyby.empty())
        rozhrani_.HlasitChybuCom(Formatovat(kTextChybaNacteniKamery, kamera.Jmeno().c_str()), chyby.front());
}

bool SeznamKamer::Ulozit(Tervik& kamera) {
    try {
        kamera.UlozitParametry(registr_, koren_);
        return true;
    } catch (const Chyba& c) {
        rozhrani_.HlasitChybuCom(Formatovat(kTextChybaZapisuKamery, kamera.Jmeno().c_str()), c);
        return false;
    }
}

void SeznamKamer::Nacist() {
    UvolnitVse();
    RegistrKlic klic(registr_, koren_);
    // No "Kamery" yet (the first run) is an empty list, not a failure.
    if (!klic.ZkusitOtevritCteni(kKlicKamer)) return;
    const std::vector<std::wstring> jmena = klic.JmenaPodklicu();
    klic.Zavrit();
    for (const auto& jmeno : jmena) {
        if (jmeno.empty()) continue;
        auto kamera = Vytvorit(jmeno);
        if (!nastaveni_.vychoziTervik.empty() && StejneBezVelikosti(jmeno, nastaveni_.vychoziTervik))
            OznacitVychozi(kamera.get());
        kamera->NastavitVychozi(kontext_);
        std::vector<std::wstring> upozorneni;
        OhlasitNacteni(*kamera, kamera->NacistParametry(registr_, koren_, &upozorneni));
        for (const auto& radek : upozorneni) rozhrani_.ZapsatLog(radek);
        kamery_.push_back(std::move(kamera));
    }
    Seradit();
}

void SeznamKamer::UlozitSeznam() {
    try {
        RegistrKlic klic(registr_, koren_);
        klic.OtevritZapis(kKlicKamer);
        for (const auto& k : kamery_) {
            klic.OtevritZapis(Formatovat(L"%s\\%s", kKlicKamer, k->Jmeno().c_str()));
            klic.Zavrit();
        }
        klic.Zavrit();
    } catch (const Chyba& c) {
        rozhrani_.HlasitChybuCom(rozhrani_.Text(IdZdroju::kTextChybaZapisuSeznamuKamer), c);
    }
}

bool SeznamKamer::NazevPlatny(const std::wstring& jmeno) {
    // A backslash would make nested registry keys of the camera's subkey.
    if (jmeno.empty() || jmeno.find(L'\\') != std::wstring::npos) {
        rozhrani_.HlasitChybu(rozhrani_.Text(IdZdroju::kTextNazevNeplatny));
        return false;
    }
    if (jmeno.size() > kMaxDelkaNazvu) {
        rozhrani_.HlasitChybu(
            Formatovat(rozhrani_.Text(IdZdroju::kTextNazevDlouhy).c_str(), static_cast<int>(kMaxDelkaNazvu)));
        return false;
    }
    return true;
}

int SeznamKamer::Pridat() {
    if (kamery_.size() >= kMaxPocetKamer) {
        rozhrani_.HlasitChybu(rozhrani_.Text(IdZdroju::kTextMaxPocetKamer));
        return -1;
    }
    std::wstring jmeno = kNazevNoveKamery;
    if (!rozhrani_.ZadatText(rozhrani_.Text(IdZdroju::kTextNazevNoveKamery), jmeno, kMaxDelkaNazvu)) return -1;
    if (!NazevPlatny(jmeno)) return -1;
    if (Najit(jmeno) >= 0) {
        rozhrani_.HlasitChybu(rozhrani_.Text(IdZdroju::kTextKameraExistuje));
        return -1;
    }
    auto kamera = Vytvorit(jmeno);
    kamera->NastavitVychozi(kontext_);
    Ulozit(*kamera);
    // The name came back to a camera the default setting still names: it is the default again.
    if (!vychozi_ && StejneBezVelikosti(jmeno, nastaveni_.vychoziTervik)) OznacitVychozi(kamera.get());
    const int index = Vlozit(std::move(kamera));
    UlozitSeznam();
    return index;
}

bool SeznamKamer::Odebrat(int index) {
    Tervik* kamera = Kamera(index);
    if (!kamera) return false;
    const std::wstring jmeno = kamera->Jmeno();
    if (!PovolitZastaveni(*kamera)) return false;
    if (!rozhrani_.ZeptatSe(Formatovat(rozhrani_.Text(IdZdroju::kTextOdebratKameru).c_str(), jmeno.c_str()), false,
                            true))
        return false;
    // The question ran a message loop of its own: the camera may have opened a dialog meanwhile.
    index = Najit(jmeno);
    kamera = Kamera(index);
    if (!kamera || !PovolitZastaveni(*kamera)) return false;
    std::unique_ptr<Tervik> vyjmuta = std::move(kamery_[static_cast<size_t>(index)]);
    kamery_.erase(kamery_.begin() + index);
    // The setting "vychoziTervik" keeps the name; only the pointer must not outlive the camera.
    if (vychozi_ == vyjmuta.get()) vychozi_ = nullptr;
    vyjmuta->Zastavit();
    vyjmuta.reset();
    try {
        RegistrKlic(registr_, koren_).SmazatPodklic(Formatovat(L"%s\\%s", kKlicKamer, jmeno.c_str()));
    } catch (const Chyba& c) {
        rozhrani_.HlasitChybuCom(rozhrani_.Text(IdZdroju::kTextChybaZapisuSeznamuKamer), c);
    }
    return true;
}

int SeznamKamer::Prejmenovat(int index) {
    Tervik* kamera = Kamera(index);
    if (!kamera) return -1;
    if (kamera->Bezi()) {
        rozhrani_.HlasitChybu(rozhrani_.Text(IdZdroju::kTextKameraZapnuta));
        return -1;
    }
    const std::wstring stare = kamera->Jmeno();
    std::wstring nove = stare;
    if (!rozhrani_.ZadatText(rozhrani_.Text(IdZdroju::kTextNovyNazevKamery), nove, kMaxDelkaNazvu)) return -1;
    if (!NazevPlatny(nove)) return -1;
    if (StejneBezVelikosti(nove, stare)) {
        rozhrani_.HlasitChybu(rozhrani_.Text(IdZdroju::kTextNazevShodny));
        return -1;
    }
    if (Najit(nove) >= 0) {
        rozhrani_.HlasitChybu(rozhrani_.Text(IdZdroju::kTextKameraExistuje));
        return -1;
    }
    kamera->Prejmenovat(nove);
    if (!Ulozit(*kamera)) {
        // Nothing half-done stays behind: the old subkey is still whole, the new one goes.
        kamera->Prejmenovat(stare);
        try {
            RegistrKlic(registr_, koren_).SmazatPodklic(Formatovat(L"%s\\%s", kKlicKamer, nove.c_str()));
        } catch (const Chyba&) {
        }
        return -1;
    }
    try {
        // The window rectangle is not part of the record: it moves with the camera.
        const std::optional<PoziceOkna> pozice = NacistPoziciOkna(registr_, CestaKamery(koren_, stare));
        if (pozice) {
            RegistrKlic klic(registr_, CestaKamery(koren_, nove));
            klic.OtevritZapis(L"Pozice okna");
            klic.ZapsatCislo(L"x", static_cast<std::uint32_t>(pozice->x));
            klic.ZapsatCislo(L"y", static_cast<std::uint32_t>(pozice->y));
            klic.ZapsatCislo(L"sirka", static_cast<std::uint32_t>(pozice->sirka));
            klic.ZapsatCislo(L"vyska", static_cast<std::uint32_t>(pozice->vyska));
            klic.Zavrit();
        }
        RegistrKlic(registr_, koren_).SmazatPodklic(Formatovat(L"%s\\%s", kKlicKamer, stare.c_str()));
    } catch (const Chyba& c) {
        rozhrani_.HlasitChybuCom(rozhrani_.Text(IdZdroju::kTextChybaZapisuSeznamuKamer), c);
    }
    // The default camera stays the default under its new name.
    if (kamera == vychozi_) {
        nastaveni_.vychoziTervik = nove;
        try {
            nastaveni_.Ulozit(registr_, koren_);
        } catch (const Chyba& c) {
            rozhrani_.HlasitChybuCom(rozhrani_.Text(IdZdroju::kTextChybaZapisuKonfigurace), c);
        }
    }
    Seradit();
    return Najit(nove);
}

void SeznamKamer::NastavitVychoziKameru(int index) {
    Tervik* kamera = Kamera(index);
    OznacitVychozi(nullptr);
    if (!kamera) return;
    nastaveni_.vychoziTervik = kamera->Jmeno();
    OznacitVychozi(kamera);
    try {
        nastaveni_.Ulozit(registr_, koren_);
    } catch (const Chyba& c) {
        rozhrani_.HlasitChybuCom(rozhrani_.Text(IdZdroju::kTextChybaZapisuKonfigurace), c);
    }
}

std::wstring SeznamKamer::NazevZarizeni(const InfoZarizeni& zarizeni) const {
    // Registry key names hold no backslash and ignore case: the name must stay one unique subkey.
    std::wstring zaklad = zarizeni.friendlyName;
    std::replace(zaklad.begin(), zaklad.end(), L'\\', L'_');
    if (zaklad.empty()) zaklad = kNazevNoveKamery;
    if (zaklad.size() > kMaxDelkaNazvu) zaklad.resize(kMaxDelkaNazvu);
    std::wstring jmeno = zaklad;
    for (int n = 2; Najit(jmeno) >= 0; ++n) jmeno = Formatovat(L"%s #%d", zaklad.c_str(), n);
    return jmeno;
}

bool SeznamKamer::VytvoritVychoziSeznam(bool zeptatSe) {
    if (!PovolitZastaveniVsech()) return false;
    const SeznamZarizeni* zarizeni = kontext_.zarizeniVideo;
    if (!zarizeni || zarizeni->empty()) {
        rozhrani_.HlasitChybu(kTextZadneZarizeni);
        return false;
    }
    if (zeptatSe) {
        const bool ano = kamery_.empty()
                             ? rozhrani_.ZeptatSe(rozhrani_.Text(IdZdroju::kTextVytvoritVychoziSeznam), true, false)
                             : rozhrani_.ZeptatSe(rozhrani_.Text(IdZdroju::kTextNahraditKamery), false, true);
        if (!ano || !PovolitZastaveniVsech()) return false;
    }
    try {
        for (const auto& k : kamery_) k->Zastavit();
        RegistrKlic klic(registr_, koren_);
        for (const auto& k : kamery_) klic.SmazatPodklic(Formatovat(L"%s\\%s", kKlicKamer, k->Jmeno().c_str()));
        UvolnitVse();
        for (const auto& z : *zarizeni) {
            auto kamera = Vytvorit(NazevZarizeni(z));
            kamera->NastavitVychozi(kontext_);
            kamera->NastavitZarizeniVideo(z);
            kamera->UlozitParametry(registr_, koren_);
            if (!nastaveni_.vychoziTervik.empty() && StejneBezVelikosti(kamera->Jmeno(), nastaveni_.vychoziTervik))
                OznacitVychozi(kamera.get());
            kamery_.push_back(std::move(kamera));
        }
        Seradit();
    } catch (const Chyba& c) {
        rozhrani_.HlasitFatalniChybu(rozhrani_.Text(IdZdroju::kTextChybaVychozihoSeznamu), c);
    }
    return true;
}

std::wstring SeznamKamer::ParametryProcesu(const std::wstring& jmeno) {
    // Inside quotes the command line parser reads \" as a quotation mark (names hold no backslash).
    std::wstring chraneno;
    for (wchar_t z : jmeno) {
        if (z == L'"') chraneno += L'\\';
        chraneno += z;
    }
    return Formatovat(L"\"-ka\" \"%s\"", chraneno.c_str());
}

void SeznamKamer::SpustitVeVlastnimProcesu(int index) {
    const Tervik* kamera = Kamera(index);
    if (!kamera) return;
    rozhrani_.SpustitSebe(ParametryProcesu(kamera->Jmeno()));
}

bool SeznamKamer::PovolitZastaveni(const Tervik& kamera) {
    // Its handler is still on the stack below this one: stopping or freeing the camera now would pull the
    // window and the object from under it.
    if (!kamera.VeVlastnimDialogu()) return true;
    rozhrani_.HlasitChybu(Formatovat(kTextOtevrenyDialog, kamera.Jmeno().c_str()));
    return false;
}

bool SeznamKamer::PovolitZastaveni(int index) {
    const Tervik* kamera = Kamera(index);
    return !kamera || PovolitZastaveni(*kamera);
}

bool SeznamKamer::PovolitZastaveniVsech() {
    for (const auto& k : kamery_)
        if (!PovolitZastaveni(*k)) return false;
    return true;
}

void SeznamKamer::UvolnitVse() {
    vychozi_ = nullptr;
    for (auto& k : kamery_) k->Zastavit();
    kamery_.clear();
}
