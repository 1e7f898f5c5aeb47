#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "camera/HlaseniCesty.h"
#include "camera/HlidaniMista.h"
#include "camera/ParametryKamery.h"
#include "knihovna/Pracovnik.h"

// The clean-up's period (timer kCasovacUklid).
inline constexpr UINT kPeriodaUklidu = 600000;  // ms

inline constexpr const wchar_t* kTextSouhrnUklidu = L"Úklid: smazáno %u souborů (%s), volné místo %s";

enum class DuvodUklidu { Start, Casovac, NedostatekMista };

// What one run did, made by its worker and handed to the camera window by kZpravaKonecUklidu.
struct VysledekUklidu {
    DuvodUklidu duvod = DuvodUklidu::Casovac;
    std::vector<std::wstring> radky;        // each deletion and each failure, for the camera's log
    std::vector<std::wstring> chybySlozek;  // folders that could not be looked after
    unsigned smazano = 0;
    std::uint64_t uvolneno = 0;  // bytes
    std::wstring volneMisto;     // the free space after the run (per drive when there are several)
    bool preruseno = false;      // the camera closed during the run
};

// The storage retention of one camera (its "Uklid" limits) and its disk-full guard: a run at the camera's start,
// every 10 minutes and after a write that failed for lack of space, on a worker thread, at most one at a time. The
// worker deletes only the camera's own files (SouboryKamery) by the plan (PlanUklidu) with DeleteFileW and touches
// nothing of the camera; the window logs its result. Everything else runs on the camera's UI thread.
class UklidKamery {
public:
    explicit UklidKamery(HlaseniCesty& hlaseni) : hlaseni_(hlaseni) {}

    // The camera window exists: the first run and the period's timer.
    void Spustit(HWND okno, const ParametryKamery& parametry);
    // The period's timer.
    void Casovac(const ParametryKamery& parametry) { Zahajit(parametry, DuvodUklidu::Casovac); }
    // A snapshot or a recording could not be written for lack of space: text is told by zpravaIkona at most once an
    // hour (the status bar always shows it), and a run starts when retention is on; when it deletes something, the
    // command prikaz (0: none) is posted again with its parameter, once.
    void NedostatekMista(const ParametryKamery& parametry, const std::wstring& text, std::uint32_t zpravaIkona,
                         UINT prikaz = 0, std::uintptr_t parametr = 0);
    // kZpravaKonecUklidu: logs the run when "Logovani"\"uklid" is on (the summary of a quiet periodic run is left
    // out); folders that cannot be looked after are also shown after the start's run.
    void Vysledek(LPARAM lp, const ParametryKamery& parametry);
    // The camera closes: the run is stopped within limit and a result already posted is still logged.
    void Zavrit(const ParametryKamery& parametry, std::chrono::milliseconds limit);

private:
    bool Zahajit(const ParametryKamery& parametry, DuvodUklidu duvod);

    HlaseniCesty& hlaseni_;
    HWND okno_ = nullptr;
    HlidaniMista hlidani_;
    Knihovna::Pracovnik pracovnik_;
    std::optional<std::pair<UINT, std::uintptr_t>> opakovat_;  // the failed write's command, after the run
};
