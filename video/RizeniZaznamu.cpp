#include "video/RizeniZaznamu.h"

#include <algorithm>

#include "camera/AktivityKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/RegistrKlic.h"
#include "video/NazvyZaznamu.h"

using Holvent::DirectShow::RezervaDisku;
using Holvent::DirectShow::RozhraniZaznamu;
using Knihovna::Formatovat;

namespace {

constexpr std::uint32_t kNejdelsiZaznam = 3600;  // s

std::wstring BezSlozky(const std::wstring& cesta) {
    const auto lomitko = cesta.find_last_of(L"\\/");
    return lomitko == std::wstring::npos ? cesta : cesta.substr(lomitko + 1);
}

}  // namespace

RizeniZaznamu::RizeniZaznamu(ParametryKamery& parametry, const std::wstring& jmenoKamery, Knihovna::Registr& registr,
                             std::wstring cestaKamery, const Knihovna::Hodiny& hodiny, HostitelZaznamu& hostitel)
    : parametry_(parametry), jmenoKamery_(jmenoKamery), registr_(registr), cestaKamery_(std::move(cestaKamery)),
      hodiny_(hodiny), hostitel_(hostitel), citac_(parametry.zaznamVidea.soubor.posledniCislo) {}

std::uint32_t RizeniZaznamu::PeriodaDelky(std::uint32_t delkaZaznamu) {
    // In 64 bits: a stored 4294968 s would wrap to a few hundred milliseconds in 32.
    const std::uint64_t sekundy = std::clamp<std::uint64_t>(delkaZaznamu, 1, kNejdelsiZaznam);
    return static_cast<std::uint32_t>(sekundy * 1000);
}

void RizeniZaznamu::UlozitCitac() {
    parametry_.zaznamVidea.soubor.posledniCislo = citac_;
    Knihovna::RegistrKlic klic(registr_, cestaKamery_);
    klic.OtevritZapis(L"Zaznam videa\\Soubor");
    klic.ZapsatCislo(L"posledniCislo", citac_);
}

std::wstring RizeniZaznamu::NazevSouboru() const { return BezSlozky(soubor_); }

void RizeniZaznamu::Chyba(bool pohyb, const std::wstring& text) {
    // Nobody may be at an unattended camera: a motion recording's failure must not pile up boxes.
    if (pohyb) hostitel_.Zprava(3, text, parametry_.zaznamVidea.zpravaIkona);
    else hostitel_.ChybovyDialog(text);
}

void RizeniZaznamu::ZapsatLog(bool prepinacLogu, bool prepinacUdalosti, const wchar_t* vzor) {
    const std::wstring text = Formatovat(vzor, NazevSouboru().c_str());
    if (prepinacLogu) hostitel_.LogKamery(text);
    if (prepinacUdalosti) hostitel_.UdalostKamery(Formatovat(L"Tervik \"%s\": %s", jmenoKamery_.c_str(), text.c_str()));
}

bool RizeniZaznamu::SpustitZaznam(RozhraniZaznamu& zachytavani, bool pohyb) {
    if (bezi_ || !zachytavani.GrafZapnut() || zachytavani.Zaznamenava()) return bezi_;
    const auto& z = parametry_.zaznamVidea;
    const std::uint32_t puvodniCitac = citac_;
    std::wstring cesta = VytvoritJmenoZaznamu(z, citac_, hodiny_.Ted());
    if (cesta.empty()) {
        Chyba(pohyb, kTextChybaCestyZaznamu);
        return false;
    }
    const bool avi = !pohyb && z.format == 0;
    if (pohyb) cesta = PriponaWmv(std::move(cesta));
    soubor_ = cesta;

    // The number is taken at once: after a crash the next recording must not overwrite this one.
    const bool cislovano = citac_ != puvodniCitac;
    const auto vratitCislo = [&] {
        if (!cislovano) return;
        citac_ = puvodniCitac;
        try {
            UlozitCitac();
        } catch (const Knihovna::Chyba&) {
            // The memory's counter is right; the next store will catch up.
        }
    };
    try {
        if (cislovano) UlozitCitac();
        if (const auto volne = hostitel_.VolneMisto(z.slozka); volne && *volne < RezervaDisku(0)) {
            vratitCislo();
            if (pohyb) hostitel_.NedostatekMista(kTextMaloMistaStart, parametry_.zaznamVidea.zpravaIkona);
            else hostitel_.ChybovyDialog(kTextMaloMistaStart);
            return false;
        }
        if (avi) {
            zachytavani.ZaznamAviStart(cesta, z.avi.zvuk, static_cast<std::int32_t>(z.avi.sirkaVidea),
                                       static_cast<std::int32_t>(z.avi.vyskaVidea),
                                       static_cast<std::int32_t>(z.avi.frekvence));
        } else {
            switch (z.profil.typ) {
            case 1: zachytavani.NacistSystemovyProfil(z.profil.index, z.profil.verzeWM); break;
            case 0:
                if (z.profil.souborPrx.empty() || !hostitel_.SouborExistuje(z.profil.souborPrx)) {
                    vratitCislo();
                    Chyba(pohyb, kTextChybiPrx);
                    return false;
                }
                zachytavani.NacistProfilPrx(z.profil.souborPrx);
                break;
            default:
                vratitCislo();
                Chyba(pohyb, kTextSpatnyProfil);
                return false;
            }
            zachytavani.ZaznamWmvStart(cesta);
        }
    } catch (const Knihovna::Chyba& chyba) {
        vratitCislo();
        Chyba(pohyb, hostitel_.PopisChyby(chyba));
        return false;
    }

    bezi_ = true;
    pohyb_ = pohyb;
    avi_ = avi;
    ikona_ = true;
    zacatek_ = hodiny_.Tiky();
    hostitel_.StavovyText(Formatovat(kTextProbihaZaznam, NazevSouboru().c_str()));
    hostitel_.IkonaZaznamu(true);
    hostitel_.TextZaznamu(Formatovat(kTextCastZaznamu, TextDelkyZaznamu(0).c_str(),
                                     hostitel_.TextVelikosti(0).c_str()));
    // Without the tick there is no blinking and no status; the recording itself still runs.
    hostitel_.NastavitCasovac(kCasovacZaznam, kPeriodaIkonyZaznamu);
    if (pohyb && !hostitel_.NastavitCasovac(kCasovacDelkaZaznamu,
                                            PeriodaDelky(parametry_.detekcePohybu.video.delkaZaznamu)))
        hostitel_.PoslatPrikaz(PrikazyKamery::kZaznamKonec);
    if (pohyb) ZapsatLog(parametry_.logovani.spusteniZaznamuVideaDP, parametry_.zapisUdalosti.spusteniZaznamuVideaDP,
                         kTextZaznamStartPohyb);
    else ZapsatLog(parametry_.logovani.spusteniZaznamuVidea, parametry_.zapisUdalosti.spusteniZaznamuVidea,
                   kTextZaznamStart);
    hostitel_.ObnovitPrikazy();
    return true;
}

void RizeniZaznamu::UkoncitZaznam(RozhraniZaznamu& zachytavani, KonecZaznamu duvod) {
    // A leftover timer 5 would cut the next recording short.
    hostitel_.ZrusitCasovac(kCasovacDelkaZaznamu);
    hostitel_.ZrusitCasovac(kCasovacZaznam);
    if (!bezi_) return;
    bezi_ = false;
    std::wstring chyba;
    try {
        zachytavani.ZaznamStop();
    } catch (const Knihovna::Chyba& c) {
        chyba = hostitel_.PopisChyby(c);
    }
    try {
        UlozitCitac();
    } catch (const Knihovna::Chyba& c) {
        if (chyba.empty()) chyba = hostitel_.PopisChyby(c);
    }
    // Closing or the video going off rebuilds nothing: the graph goes anyway.
    if (avi_ && duvod != KonecZaznamu::VypnutiVidea) hostitel_.ObnovitNahled();

    hostitel_.IkonaZaznamu(false);
    hostitel_.TextZaznamu({});
    if (pohyb_) ZapsatLog(parametry_.logovani.ukonceniZaznamuVideaDP, parametry_.zapisUdalosti.ukonceniZaznamuVideaDP,
                          kTextZaznamKonec);
    else ZapsatLog(parametry_.logovani.ukonceniZaznamuVidea, parametry_.zapisUdalosti.ukonceniZaznamuVidea,
                   kTextZaznamKonec);
    hostitel_.StavovyText(Formatovat(L"%s - Připraven", jmenoKamery_.c_str()));
    if (duvod == KonecZaznamu::MistoNaDisku)
        hostitel_.NedostatekMista(Formatovat(kTextMaloMistaKonec, soubor_.c_str()),
                                  std::max<std::uint32_t>(parametry_.zaznamVidea.zpravaIkona, 1));
    if (!chyba.empty()) {
        if (pohyb_ || duvod != KonecZaznamu::Rucne) hostitel_.Zprava(3, chyba, parametry_.zaznamVidea.zpravaIkona);
        else hostitel_.ChybovyDialog(chyba);
    }
    hostitel_.ObnovitPrikazy();
}

void RizeniZaznamu::Tik(RozhraniZaznamu& zachytavani) {
    if (!bezi_) {
        hostitel_.ZrusitCasovac(kCasovacZaznam);
        return;
    }
    const std::uint64_t velikost = zachytavani.VelikostZaznamu();
    if (!avi_) {
        // The ASF writer has no sink of ours to refuse a write: the free space is watched here.
        if (const auto volne = hostitel_.VolneMisto(parametry_.zaznamVidea.slozka);
            volne && *volne < RezervaDisku(velikost)) {
            UkoncitZaznam(zachytavani, KonecZaznamu::MistoNaDisku);
            return;
        }
    }
    ikona_ = !ikona_;
    hostitel_.IkonaZaznamu(ikona_);
    const std::uint32_t uplynulo = hodiny_.Tiky() - zacatek_;
    hostitel_.TextZaznamu(Formatovat(kTextCastZaznamu, TextDelkyZaznamu(uplynulo).c_str(),
                                     hostitel_.TextVelikosti(velikost).c_str()));
}

void RizeniZaznamu::KonecDelky(RozhraniZaznamu& zachytavani) { UkoncitZaznam(zachytavani, KonecZaznamu::Rucne); }

void RizeniZaznamu::MistoDosloNaDisku(RozhraniZaznamu& zachytavani) {
    UkoncitZaznam(zachytavani, KonecZaznamu::MistoNaDisku);
}

void RizeniZaznamu::SmazatZaznamy() {
    const auto& z = parametry_.zaznamVidea;
    if (z.soubor.jmeno.empty()) {
        hostitel_.ChybovyDialog(kTextJmenoZaznamuChybi);
        return;
    }
    if (!hostitel_.ZeptatSe(Formatovat(L"Opravdu chcete smazat všechny záznamy kamery\n\"%s\"\nz následující složky?\n%s",
                                       jmenoKamery_.c_str(), z.slozka.c_str())))
        return;
    try {
        std::wstring slozka = z.slozka;
        if (!slozka.empty() && slozka.back() != L'\\' && slozka.back() != L'/') slozka += L'\\';
        std::vector<std::wstring> soubory;
        for (const auto& nazev : hostitel_.SouboryVeSlozce(z.slozka))
            if (JeZaznamKamery(nazev, z.soubor.jmeno)) soubory.push_back(slozka + nazev);
        if (!soubory.empty()) hostitel_.Smazat(soubory);
        citac_ = 1;
        UlozitCitac();
    } catch (const Knihovna::Chyba& chyba) {
        hostitel_.ChybovyDialog(Formatovat(L"Záznamy nelze smazat.\n\nChyba: %s", hostitel_.PopisChyby(chyba).c_str()));
    }
}

void RizeniZaznamu::ResetovatCislovani() {
    if (!hostitel_.ZeptatSe(Formatovat(
            L"Opravdu chcete nastavit číslování záznamů od výchozí hodnoty %d?\n(Aktuální číslo následujícího záznamu je %u)",
            1, citac_)))
        return;
    citac_ = 1;
    try {
        UlozitCitac();
    } catch (const Knihovna::Chyba& chyba) {
        hostitel_.ChybovyDialog(
            Formatovat(L"Číslování záznamů nelze nastavit.\n\nChyba: %s", hostitel_.PopisChyby(chyba).c_str()));
    }
}
