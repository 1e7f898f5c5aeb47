#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "camera/ParametryKamery.h"
#include "ui/ModelStranky.h"

// The pages of a camera's settings dialog as a table (see ModelStranky). Keys are relative to the camera's key;
// the values of a snapshot block carry their owner's key ("Snimky disk\Snimek\Text").
namespace StrankyNastaveniKamery {

using ModelStranky::Hodnota;
using ModelStranky::Moznost;
using ModelStranky::Ovladac;
using ModelStranky::Overit;
using ModelStranky::Stranka;
using ModelStranky::Ulozena;
using ModelStranky::Vysvetlivka;
using ModelStranky::Zobrazena;

std::span<const Stranka> Stranky();
// The value by its key and name (of a number edited bit by bit, its first check box); null when no page edits it.
const Hodnota* Najit(const std::wstring& klic, const std::wstring& jmeno);

// Whether a number read from the camera's key is one its settings allow (ModelStranky::Pripustna). klic is relative
// to the camera's key, or to a block's owner for a block's values ("Snimek\Soubor"): a block is checked by the
// disk block's page. Values no page edits yet keep the record's ranges (RozsahyParametruKamery); others take anything.
bool HodnotaPripustna(const std::wstring& klic, const std::wstring& jmeno, std::uint32_t hodnota);

// Pages the dialog adds its own controls to: the scheduled times to the one of their targets, the log file's
// actions to the one of its switches.
inline constexpr const wchar_t* kStrankaPlanovani = L"Plánované snímkování";
inline constexpr const wchar_t* kStrankaZaznamu = L"Záznam do souboru";
// The e-mail and FTP pages, and the two of them the dialog adds its own controls to: the account list and the
// test message to the addresses, the place list and the server's folders to the FTP place.
inline constexpr const wchar_t* kStrankaEmailu = L"Snímky emailem";
inline constexpr const wchar_t* kStrankaAdres = L"Odesílatel a příjemci";
inline constexpr const wchar_t* kStrankaFtp = L"Snímky na FTP";
inline constexpr const wchar_t* kStrankaFtpUmisteni = L"FTP umístění";
// The recording pages; the dialog builds the AVI and WMV ones with their own lists.
inline constexpr const wchar_t* kStrankaZaznamuVidea = L"Záznam videa";
inline constexpr const wchar_t* kStrankaZaznamuAvi = L"Záznam AVI";
inline constexpr const wchar_t* kStrankaZaznamuWmv = L"Záznam WMV";
inline constexpr const wchar_t* kFiltrPrx = L"Soubory profilu WMV (*.prx)|*.prx";
// The storage retention's page.
inline constexpr const wchar_t* kStrankaUklidu = L"Úklid";
// What those two pages keep at their foot for their buttons (dialog units).
inline constexpr short kRezervaTlacitek = 18;

// The checks of texts the pages refuse: a server whose port is no number in 1 - 65535
// (Knihovna::kTextChybnyPortServeru), a file name that would lead into another folder (Holvent::Ftp::ChybaNazvuSouboru).
std::optional<std::wstring> KontrolaServeru(const std::wstring& text);
std::optional<std::wstring> KontrolaJmenaSouboru(const std::wstring& text);

// The scheduled times are listed as kTextCasu and typed as CasZTextu reads them.
using ::CasZTextu;
using ::kTextCasu;
using ::TextCasu;

// Texts of the device boxes, which the dialog builds itself.
inline constexpr const wchar_t* kTextCestaZarizeni = L"Unikátní identifikátor (\"Device Path\"):";
inline constexpr const wchar_t* kTextPopisZarizeni = L"Popis (dostupný obvykle pouze u DV videokamer):";
inline constexpr const wchar_t* kTextZvukoveZarizeni = L"Zvukové zařízení (pro záznam živého videa):";

// The images a camera's icon may be chosen from ("indexIkony" is an index into them).
inline constexpr std::uint32_t kPocetIkon = 64;

}  // namespace StrankyNastaveniKamery
