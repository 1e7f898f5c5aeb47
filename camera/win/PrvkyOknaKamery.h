#pragma once

#include <windows.h>

#include <array>
#include <span>

#include "camera/AktivityKamery.h"
#include "resources/Obrazky.h"

// What the parts of the camera window share: the ids of its controls, its images, the parts of its status bar,
// the commands it shows greyed and the menus of its split buttons.
namespace PrvkyOknaKamery {

namespace P = PrikazyKamery;

inline constexpr UINT kIdPanelu = 1;
inline constexpr UINT kIdStavovehoRadku = 2;
inline constexpr UINT kIdComboZarizeni = 3;
inline constexpr UINT kIdOvladacihoPanelu = 4;
inline constexpr UINT kIdIkonyOblasti = 1;

// Images of the program's strip used by the window (resources/ikony.tsv).
inline constexpr int kObrVideo = Obrazky::kVideo;
inline constexpr int kObrPredvolby = Obrazky::kPredvolby;
inline constexpr int kObrVypnout = Obrazky::kKonec;
inline constexpr int kObrSnimekDisk = Obrazky::kSnimekDisk;
inline constexpr int kObrSnimekFtp = Obrazky::kSnimekFtp;
inline constexpr int kObrSnimekEmail = Obrazky::kSnimekEmail;
inline constexpr int kObrZaznam = Obrazky::kZaznam;
inline constexpr int kObrZaznamBlik = Obrazky::kZaznamBlik;  // the recording icon's second blink state
inline constexpr int kObrPlan = Obrazky::kPlanovane;
inline constexpr int kObrPohyb = Obrazky::kDetekcePohybu;

// Status-bar parts: the message, the video, then one part per automatic activity.
inline constexpr int kCastZpravy = 0;
inline constexpr int kCastVidea = 1;
inline constexpr int kCastDisk = 2;
inline constexpr int kCastFtp = 3;
inline constexpr int kCastEmail = 4;
inline constexpr int kCastPlan = 5;
inline constexpr int kCastPohyb = 6;
inline constexpr int kCastServer = 7;  // the text "HTTP" while the snapshot server listens
inline constexpr int kSirkaCastiServeru = 44;
inline constexpr int kCastZaznamu = 8;  // while recording: its icon, "Záznam %s, %s" (time, size)
inline constexpr int kSirkaCastiZaznamu = 150;

inline constexpr const wchar_t* kTipZapnout = L"Zapnout videozařízení";
inline constexpr const wchar_t* kTipVypnout = L"Vypnout videozařízení";

// Commands whose subsystem is not part of the program yet: shown, but greyed.
inline constexpr std::array<UINT, 0> kNedostupne{};
bool Nedostupny(UINT prikaz);
// Greys every such command of a menu.
void ZasedNedostupne(HMENU menu);

void Pridat(HMENU menu, UINT prikaz, const wchar_t* text);
void Oddelovac(HMENU menu);
void Podmenu(HMENU menu, HMENU pod, const wchar_t* text);
void NastavitStav(HMENU menu, UINT prikaz, bool povolit, bool zaskrtnout);

// The split buttons' drop-downs.
HMENU MenuDisk();
HMENU MenuFtp();
HMENU MenuEmail();
HMENU MenuZaznam();

}  // namespace PrvkyOknaKamery
