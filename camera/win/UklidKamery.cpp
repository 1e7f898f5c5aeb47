#include "camera/win/UklidKamery.h"

#include <shlwapi.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "camera/AktivityKamery.h"
#include "camera/PlanUklidu.h"
#include "camera/SouboryKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/VyzvednutiZpravy.h"

using Knihovna::Formatovat;

namespace {

// What one run needs, copied on the UI thread: the worker never reads the camera's record.
struct UlohaUklidu {
    DuvodUklidu duvod;
    std::vector<SlozkaKamery> slozky;
    ParametryKamery::Uklid limity;
};

// Paths at or beyond MAX_PATH need the long-path form for the file functions.
std::wstring DlouhaCesta(const std::wstring& cesta) {
    if (cesta.size() < MAX_PATH - 12 || cesta.starts_with(L"\\\\?\\")) return cesta;
    if (cesta.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + cesta.substr(2);
    return L"\\\\?\\" + cesta;
}

std::wstring Spojit(const std::wstring& slozka, const std::wstring& nazev) {
    if (!slozka.empty() && (slozka.back() == L'\\' || slozka.back() == L'/')) return slozka + nazev;
    return slozka + L"\\" + nazev;
}

std::int64_t Cas(const FILETIME& cas) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(cas.dwHighDateTime) << 32) | cas.dwLowDateTime);
}

std::wstring TextVelikosti(std::uint64_t bajty) {
    wchar_t text[64]{};
    if (!::StrFormatByteSizeW(static_cast<LONGLONG>(bajty), text, static_cast<UINT>(std::size(text))))
        return Formatovat(L"%llu B", static_cast<unsigned long long>(bajty));
    return text;
}

// The volume the folder lies on ("C:\"), the key its folders share their free space by.
std::wstring Disk(const std::wstring& slozka) {
    wchar_t koren[MAX_PATH + 1]{};
    if (::GetVolumePathNameW(DlouhaCesta(slozka).c_str(), koren, MAX_PATH)) return koren;
    return slozka;
}

std::optional<std::uint64_t> VolneMisto(const std::wstring& disk) {
    ULARGE_INTEGER volne{};
    if (!::GetDiskFreeSpaceExW(DlouhaCesta(disk).c_str(), &volne, nullptr, nullptr)) return std::nullopt;
    return volne.QuadPart;
}

const wchar_t* TextDuvodu(DuvodSmazani d) {
    switch (d) {
    case DuvodSmazani::Stari: return L"stáří";
    case DuvodSmazani::VelikostSlozky: return L"velikost složky";
    default: return L"volné místo";
    }
}

// The camera's files of a folder; false (with the reason in chyby) when the folder cannot be looked after.
bool Vypsat(const SlozkaKamery& slozka, VypisSlozky& vypis, std::vector<std::wstring>& chyby,
            const std::stop_token& stop) {
    const DWORD atributy = ::GetFileAttributesW(DlouhaCesta(slozka.slozka).c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || !(atributy & FILE_ATTRIBUTE_DIRECTORY)) {
        chyby.push_back(Formatovat(L"Úklid: složka \"%s\" neexistuje nebo není dostupná, úklid ji vynechal.",
                                   slozka.slozka.c_str()));
        return false;
    }
    vypis = {slozka.slozka, Disk(slozka.slozka), {}};
    WIN32_FIND_DATAW nalez{};
    HANDLE h = ::FindFirstFileExW(DlouhaCesta(Spojit(slozka.slozka, L"*")).c_str(), FindExInfoBasic, &nalez,
                                  FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD kod = ::GetLastError();
        if (kod == ERROR_FILE_NOT_FOUND || kod == ERROR_NO_MORE_FILES) return true;
        chyby.push_back(Formatovat(L"Úklid: složku \"%s\" nelze projít: %s", slozka.slozka.c_str(),
                                   Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(kod)).c_str()));
        return false;
    }
    do {
        if (nalez.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!JeSouborKamery(nalez.cFileName, slozka)) continue;
        vypis.soubory.push_back({nalez.cFileName,
                                 (static_cast<std::uint64_t>(nalez.nFileSizeHigh) << 32) | nalez.nFileSizeLow,
                                 Cas(nalez.ftLastWriteTime)});
    } while (!stop.stop_requested() && ::FindNextFileW(h, &nalez));
    ::FindClose(h);
    return true;
}

VysledekUklidu Provest(const UlohaUklidu& u, const std::stop_token& stop) {
    VysledekUklidu v;
    v.duvod = u.duvod;
    std::vector<VypisSlozky> vypis;
    for (const SlozkaKamery& s : u.slozky) {
        VypisSlozky vs;
        if (Vypsat(s, vs, v.chybySlozek, stop)) vypis.push_back(std::move(vs));
        if (stop.stop_requested()) break;
    }
    std::set<std::wstring> disky;
    for (const VypisSlozky& vs : vypis) disky.insert(vs.disk);

    FILETIME ted{};
    ::GetSystemTimeAsFileTime(&ted);
    std::set<OznaceniSouboru> nesmazatelne;
    // A file that could not be deleted freed nothing: the plan is made again without it, a bounded number of times.
    for (int kolo = 0; kolo < 3 && !stop.stop_requested(); ++kolo) {
        std::map<std::wstring, std::uint64_t> volne;
        for (const std::wstring& d : disky)
            if (const auto m = VolneMisto(d)) volne[d] = *m;
        const std::vector<SmazaniUklidu> plan = NaplanovatUklid(vypis, u.limity, Cas(ted), volne, nesmazatelne);
        bool selhani = false;
        std::set<OznaceniSouboru> smazane;
        for (const SmazaniUklidu& s : plan) {
            if (stop.stop_requested()) {
                v.preruseno = true;
                break;
            }
            const std::wstring cesta = Spojit(vypis[s.slozka].slozka, s.nazev);
            if (::DeleteFileW(DlouhaCesta(cesta).c_str())) {
                ++v.smazano;
                v.uvolneno += s.velikost;
                smazane.insert({s.slozka, s.nazev});
                v.radky.push_back(Formatovat(L"Úklid: smazán soubor \"%s\" (%s, %s)", cesta.c_str(),
                                             TextVelikosti(s.velikost).c_str(), TextDuvodu(s.duvod)));
                continue;
            }
            const DWORD kod = ::GetLastError();
            if (kod == ERROR_FILE_NOT_FOUND) {  // gone meanwhile: nothing to do, nothing to report
                smazane.insert({s.slozka, s.nazev});
                continue;
            }
            selhani = true;
            nesmazatelne.insert({s.slozka, s.nazev});
            v.radky.push_back(Formatovat(L"Úklid: soubor \"%s\" nelze smazat: %s", cesta.c_str(),
                                         Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(kod)).c_str()));
        }
        for (std::size_t i = 0; i < vypis.size(); ++i)
            std::erase_if(vypis[i].soubory, [&](const SouborUklidu& f) { return smazane.contains({i, f.nazev}); });
        if (!selhani) break;
    }

    for (const std::wstring& d : disky) {
        const auto m = VolneMisto(d);
        const std::wstring text = m ? TextVelikosti(*m) : std::wstring(L"neznámé");
        if (!v.volneMisto.empty()) v.volneMisto += L", ";
        v.volneMisto += disky.size() > 1 ? d + L" " + text : text;
    }
    if (v.volneMisto.empty()) v.volneMisto = L"neznámé";
    return v;
}

}  // namespace

void UklidKamery::Spustit(HWND okno, const ParametryKamery& parametry) {
    okno_ = okno;
    opakovat_.reset();
    // The timer always runs: retention switched on in the settings takes effect at the next period.
    ::SetTimer(okno_, kCasovacUklid, kPeriodaUklidu, nullptr);
    Zahajit(parametry, DuvodUklidu::Start);
}

bool UklidKamery::Zahajit(const ParametryKamery& parametry, DuvodUklidu duvod) {
    if (!okno_ || !parametry.uklid.Zapnuto() || pracovnik_.Bezi()) return false;
    UlohaUklidu uloha{duvod, SlozkyKamery(parametry), parametry.uklid};
    const HWND okno = okno_;
    return pracovnik_.Spustit([okno, uloha = std::move(uloha)](const std::stop_token& stop) {
        auto vysledek = std::make_unique<VysledekUklidu>(Provest(uloha, stop));
        if (::PostMessageW(okno, kZpravaKonecUklidu, 0, reinterpret_cast<LPARAM>(vysledek.get()))) vysledek.release();
    });
}

void UklidKamery::NedostatekMista(const ParametryKamery& parametry, const std::wstring& text,
                                  std::uint32_t zpravaIkona, UINT prikaz, std::uintptr_t parametr) {
    // The timers retry every few seconds: the user hears of it once an hour, the status bar shows it each time.
    if (hlidani_.Nahlasit(::GetTickCount())) {
        hlaseni_.ZpravaCesty(3, text, zpravaIkona);
        hlaseni_.LogKamery(text);
    } else {
        hlaseni_.StavCesty(text);
    }
    if (Zahajit(parametry, DuvodUklidu::NedostatekMista) && prikaz) opakovat_ = {prikaz, parametr};
}

void UklidKamery::Vysledek(LPARAM lp, const ParametryKamery& parametry) {
    std::unique_ptr<VysledekUklidu> v(reinterpret_cast<VysledekUklidu*>(lp));
    if (!v) return;
    if (parametry.uklid.logovat) {
        for (const std::wstring& r : v->chybySlozek) hlaseni_.LogKamery(r);
        for (const std::wstring& r : v->radky) hlaseni_.LogKamery(r);
        // Every 10 minutes a line that says nothing happened would only fill the log.
        if (v->duvod != DuvodUklidu::Casovac || v->smazano || !v->radky.empty() || !v->chybySlozek.empty())
            hlaseni_.LogKamery(Formatovat(kTextSouhrnUklidu, v->smazano, TextVelikosti(v->uvolneno).c_str(),
                                          v->volneMisto.c_str()));
    }
    if (v->duvod == DuvodUklidu::Start)
        for (const std::wstring& r : v->chybySlozek) hlaseni_.ZpravaCesty(2, r, parametry.snimkyDisk.zpravaIkona);
    if (v->duvod == DuvodUklidu::NedostatekMista && opakovat_) {
        // Once: a retry that fails again starts one more run, which retries only when it deleted something.
        if (v->smazano && okno_) ::PostMessageW(okno_, WM_COMMAND, opakovat_->first, static_cast<LPARAM>(opakovat_->second));
        opakovat_.reset();
    }
}

void UklidKamery::Zavrit(const ParametryKamery& parametry, std::chrono::milliseconds limit) {
    if (!okno_) return;
    ::KillTimer(okno_, kCasovacUklid);
    pracovnik_.Zastavit(limit);
    opakovat_.reset();
    for (MSG m; Knihovna::WinApi::VyzvednoutZpravu(m, okno_, kZpravaKonecUklidu);) Vysledek(m.lParam, parametry);
    okno_ = nullptr;
}
