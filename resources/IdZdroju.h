#pragma once

#include <cstdint>

// Resource numbers of Tervik.rc. String ids equal to a menu command describe that command.
namespace IdZdroju {

constexpr std::uint32_t kIkonaAplikace = 101;
constexpr std::uint32_t kBitmapaIkon = 102;
constexpr std::uint32_t kMenuHlavni = 104;

// Strings.
constexpr std::uint32_t kTextPripraven = 20001;               // "%s - Připraven"
constexpr std::uint32_t kTextVseobecne = 20003;
constexpr std::uint32_t kTextChybaNacteniKonfigurace = 20004;
constexpr std::uint32_t kTextChybaZapisuKonfigurace = 20005;
constexpr std::uint32_t kTextNezaregistrovanoKlaves = 20014;  // "%d klávesové zkratky ..."
constexpr std::uint32_t kTextNeodregistrovanoKlaves = 20015;
constexpr std::uint32_t kTextJizSpustena = 20016;             // "Aplikace "%s" je již spuštěna"
constexpr std::uint32_t kTextUspesneSpustena = 20018;
constexpr std::uint32_t kTextUdalostSpusteniPrijmu = 20026;
constexpr std::uint32_t kTextUdalostUkonceniPrijmu = 20027;
constexpr std::uint32_t kTextUdalostSpusteni = 20029;
constexpr std::uint32_t kTextUdalostUkonceni = 20030;
constexpr std::uint32_t kTextUkoncena = 20031;
constexpr std::uint32_t kTextSouborNeexistuje = 20036;
constexpr std::uint32_t kTextOpravduSmazatSoubor = 20037;
constexpr std::uint32_t kTextIkonaNevytvorena = 20039;
constexpr std::uint32_t kTextNazevProhlizeceFtp = 20144;
constexpr std::uint32_t kTextSpustenPrijem = 20145;
constexpr std::uint32_t kTextUkoncenPrijem = 20146;
constexpr std::uint32_t kTextNazevPromitani = 20168;
constexpr std::uint32_t kTextNazevEditoruPrx = 20190;
constexpr std::uint32_t kTextNazevPrehravace = 20193;
constexpr std::uint32_t kTextNazevEditoruObrazku = 20195;
constexpr std::uint32_t kTextOvladaniVychoziKamery = 20206;

// Menu commands.
constexpr std::uint32_t kPrikazKonec = 40001;
constexpr std::uint32_t kPrikazPredvolby = 40002;
constexpr std::uint32_t kPrikazZobrazitOkno = 40017;
constexpr std::uint32_t kPrikazSkrytOkno = 40019;

}  // namespace IdZdroju
