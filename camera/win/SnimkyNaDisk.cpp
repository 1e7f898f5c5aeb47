#include "camera/win/SnimkyNaDisk.h"

#include <shellapi.h>

#include <algorithm>
#include <new>

#include "app/win/ModulEditorObrazku.h"
#include "camera/HlidaniMista.h"
#include "camera/NazvySnimku.h"
#include "camera/win/PismoSystemu.h"
#include "camera/win/ZpracovaniSnimku.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/MazaniDoKose.h"
#include "video/KoderyObrazu.h"

namespace {

// Whether a failed save is the disk's lack of space: the error says so, or the folder's drive has less free space
// than an uncompressed frame (GDI+ reports its stream's failed write by its own status: under Wine a save onto a full
// disk fails as GenericError, E_FAIL).
bool ChybiMisto(Knihovna::Hresult hr, const std::wstring& slozka,
                const Holvent::DirectShow::ZachytavaniVidea& zachytavani) {
    if (JeNedostatekMista(hr)) return true;
    ULARGE_INTEGER volne{};
    if (!::GetDiskFreeSpaceExW(slozka.c_str(), &volne, nullptr, nullptr)) return false;
    const std::uint64_t snimek = static_cast<std::uint64_t>(std::max(zachytavani.Sirka(), 0)) *
                                     static_cast<std::uint64_t>(std::max(zachytavani.Vyska(), 0)) * 4 +
                                 (std::uint64_t{1} << 20);
    return volne.QuadPart < snimek;
}

}  // namespace

SnimkyNaDisk::SnimkyNaDisk(ParametryKamery& parametry, StavSnimku& stav, Knihovna::Registr& registr,
                           std::wstring cestaKamery, const Knihovna::Hodiny& hodiny)
    : parametry_(parametry), stav_(stav), registr_(registr), cestaKamery_(std::move(cestaKamery)), hodiny_(hodiny) {}

PozadavekSnimku SnimkyNaDisk::PripravitZachytavani(Holvent::DirectShow::ZachytavaniVidea& zachytavani, int druh,
                                                   const ParametrySnimku& blok) {
    const PozadavekSnimku p = PripravitPozadavek(druh, blok);
    zachytavani.NastavitPruh(p.kodPruhu, LogfontZPopisu(p.pismo));
    zachytavani.NastavitBarvuTextu(static_cast<std::uint8_t>(p.barvaTextu), static_cast<std::uint8_t>(p.barvaTextu >> 8),
                                   static_cast<std::uint8_t>(p.barvaTextu >> 16));
    zachytavani.VybratKoder(p.koder);
    return p;
}

void SnimkyNaDisk::UlozitSnimekDruhu(Holvent::DirectShow::ZachytavaniVidea& zachytavani, StavSnimku& stav, int druh,
                                     const ParametrySnimku& blok, bool automaticky, const std::wstring& cesta) {
    stav.Zahajit(druh, automaticky);
    const PozadavekSnimku p = PripravitZachytavani(zachytavani, druh, blok);
    if (p.sKvalitou)
        zachytavani.UlozitSnimek(cesta, p.kvalita);
    else
        zachytavani.UlozitSnimek(cesta);
}

std::vector<std::uint8_t> SnimkyNaDisk::SnimekDoPameti(Holvent::DirectShow::ZachytavaniVidea& zachytavani,
                                                       StavSnimku& stav, int druh, const ParametrySnimku& blok) {
    stav.Zahajit(druh, false);
    PripravitZachytavani(zachytavani, druh, blok);
    return zachytavani.UlozitSnimekDoPameti(blok.kvalitaJpeg);
}

std::wstring SnimkyNaDisk::Ulozit(Holvent::DirectShow::ZachytavaniVidea& zachytavani, bool automaticky) {
    const auto& disk = parametry_.snimkyDisk;
    const auto* koder = Holvent::DirectShow::KoderFormatu(disk.snimek.format);
    // A scheme without a path or an empty folder would write somewhere nobody chose.
    if (!koder || disk.slozka.empty()) Knihovna::Vyhodit(Knihovna::kE_INVALIDARG, kTextChybaCestySnimku);
    // The counter moves on only with a written file: a failed grab or save (a device that stopped
    // delivering) leaves no gap in the numbering.
    std::uint32_t citac = stav_.Citac();
    const CestaSnimku cesta = VytvoritCestuSnimku(disk.soubor, citac, disk.slozka, koder->pripona, hodiny_.Ted());
    if (cesta.hr != Knihovna::kS_OK || cesta.cesta.empty())
        Knihovna::Vyhodit(Knihovna::Selhalo(cesta.hr) ? cesta.hr : Knihovna::kE_INVALIDARG, kTextChybaCestySnimku);

    try {
        UlozitSnimekDruhu(zachytavani, stav_, kSnimekDisk, disk.snimek, automaticky, cesta.cesta);
    } catch (const Knihovna::Chyba& chyba) {
        if (!ChybiMisto(chyba.Hr(), disk.slozka, zachytavani)) throw;
        // The encoder's stream leaves what it wrote before the disk filled: a picture cut short, under the
        // name the next snapshot takes.
        ::DeleteFileW(cesta.cesta.c_str());
        Knihovna::Vyhodit(HRESULT_FROM_WIN32(ERROR_DISK_FULL),
                          Knihovna::Formatovat(kTextMistoSnimku, disk.slozka.c_str()));
    }
    stav_.Citac() = citac;
    stav_.UlozitCitac(parametry_, registr_, cestaKamery_);
    return cesta.cesta;
}

LRESULT SnimkyNaDisk::ZpracovatSnimek(const Holvent::DirectShow::ZachytavaniVidea& zachytavani, LPARAM bitmapa,
                                      const ZpracovaniSnimku::KrokModulu& moduly) const noexcept {
    if (!zachytavani.JeOznamovanaBitmapa(bitmapa)) return 0;
    const int druh = DruhKeZpracovani(stav_.CekajiciDruh());
    if (druh == kSnimekZadny) return 0;
    return ZpracovaniSnimku::ZpracovatZpravu(bitmapa, BlokDruhu(parametry_, druh), druh, stav_.Automaticky(druh),
                                             hodiny_.Ted(), moduly);
}

std::vector<std::wstring> SnimkyNaDisk::CislovaneSnimky() const {
    const auto& disk = parametry_.snimkyDisk;
    const auto* koder = Holvent::DirectShow::KoderFormatu(disk.snimek.format);
    const DWORD atributy = ::GetFileAttributesW(disk.slozka.c_str());
    if (!koder || disk.soubor.jmeno.empty() || disk.slozka.empty() || atributy == INVALID_FILE_ATTRIBUTES ||
        !(atributy & FILE_ATTRIBUTE_DIRECTORY))
        Knihovna::Vyhodit(Knihovna::kE_INVALIDARG);
    std::wstring slozka = disk.slozka;
    if (slozka.back() != L'\\' && slozka.back() != L'/') slozka += L'\\';

    std::vector<std::wstring> soubory;
    WIN32_FIND_DATAW nalez{};
    const std::wstring vzor = slozka + VzorMazaniSnimku(disk.soubor.jmeno, koder->pripona);
    HANDLE h = ::FindFirstFileW(vzor.c_str(), &nalez);
    if (h == INVALID_HANDLE_VALUE) return soubory;
    do {
        if (!(nalez.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            JeCislovanySnimek(nalez.cFileName, disk.soubor.jmeno, koder->pripona))
            soubory.push_back(slozka + nalez.cFileName);
    } while (::FindNextFileW(h, &nalez));
    ::FindClose(h);
    return soubory;
}

void SnimkyNaDisk::SmazatSnimky() {
    Knihovna::WinApi::SmazatDoKose(CislovaneSnimky());
    ResetovatCislovani();
}

void SnimkyNaDisk::ResetovatCislovani() {
    stav_.ResetovatCislovani(parametry_, registr_, cestaKamery_);
}

std::wstring SnimkyNaDisk::SlovesoOtevreni() const {
    switch (ZpusobOtevreni(parametry_.snimkyDisk.otviratSnimekCim)) {
    case OtevreniSnimku::otevrit: return L"open";
    case OtevreniSnimku::editor: return kSlovesoEditoru;
    case OtevreniSnimku::upravit: return L"edit";
    default: return {};
    }
}

bool SnimkyNaDisk::OtevritPoUlozeni(const std::wstring& cesta, bool automaticky, HlaseniSnimku& hlaseni) const {
    if (!::OtevritPoUlozeni(parametry_.snimkyDisk.otviratSnimekKdy, automaticky)) return false;
    const std::wstring sloveso = SlovesoOtevreni();
    if (sloveso.empty()) return false;
    hlaseni.Otevrit(sloveso, cesta, static_cast<int>(parametry_.snimkyDisk.otviratSnimekJak));
    return true;
}

void SnimkyNaDisk::OtevritVShellu(const std::wstring& sloveso, const std::wstring& cesta, int jak) {
    if (sloveso == kSlovesoEditoru) return ModulEditorObrazku::OtevritObrazek(cesta);
    ::ShellExecuteW(nullptr, sloveso.c_str(), cesta.c_str(), nullptr, nullptr, jak);
}

std::wstring SnimkyNaDisk::ProvestPrikaz(Holvent::DirectShow::ZachytavaniVidea& zachytavani, std::uintptr_t parametr,
                                         bool zvuk, HlaseniSnimku& hlaseni) {
    if (!zachytavani.GrafExistuje()) {
        hlaseni.Pipnout();
        return {};
    }
    const bool automaticky = parametr == kPrikazCasovaceDisku;
    try {
        const std::wstring cesta = Ulozit(zachytavani, automaticky);
        if (zvuk) hlaseni.PrehratZvuk();
        OtevritPoUlozeni(cesta, automaticky, hlaseni);
        return cesta;
    } catch (const Knihovna::Chyba& chyba) {
        const std::wstring text = Knihovna::WinApi::PopisChyby(chyba);
        if (!JeNedostatekMista(chyba.Hr()) || !hlaseni.NedostatekMista(parametr, chyba.Text().empty() ? text : chyba.Text()))
            hlaseni.ZobrazitChybu(text);
    } catch (const std::bad_alloc&) {
        hlaseni.ZobrazitChybu(Knihovna::WinApi::SystemovyPopis(E_OUTOFMEMORY));
    }
    return {};
}

std::wstring SnimkyNaDisk::OtazkaSmazani(const std::wstring& jmenoKamery) const {
    return Knihovna::Formatovat(L"Opravdu chcete smazat všechny snímky kamery\n\"%s\"\nz následující složky?\n%s",
                                jmenoKamery.c_str(), parametry_.snimkyDisk.slozka.c_str());
}

std::wstring SnimkyNaDisk::OtazkaResetu() const {
    return Knihovna::Formatovat(
        L"Opravdu chcete nastavit číslování snímků od výchozí hodnoty %d?\n(Aktuální číslo následujícího snímku je %u)", 1,
        stav_.Citac());
}
