#pragma once

#include <cstdint>

// Resource numbers of Tervik.rc. String ids equal to a menu command describe that command.
namespace IdZdroju {

constexpr std::uint32_t kIkonaAplikace = 101;
constexpr std::uint32_t kBitmapaIkon = 102;    // the image strip at 16 px
constexpr std::uint32_t kBitmapaIkon24 = 192;  // the same strip at 24 px (144 DPI)
constexpr std::uint32_t kBitmapaIkon32 = 193;  // and at 32 px (192 DPI)
constexpr std::uint32_t kZvukSnimku = 103;  // WAVE
constexpr std::uint32_t kMenuHlavni = 104;

// Strings.
constexpr std::uint32_t kTextPripraven = 20001;               // "%s - Připraven"
constexpr std::uint32_t kTextVseobecne = 20003;
constexpr std::uint32_t kTextChybaNacteniKonfigurace = 20004;
constexpr std::uint32_t kTextChybaZapisuKonfigurace = 20005;
constexpr std::uint32_t kTextAktualizaceAplikace = 20008;     // the update dialog's title
constexpr std::uint32_t kTextZobrazitWeb = 20009;             // the update dialog's link tooltip
constexpr std::uint32_t kTextHledaniAktualizaci = 20012;      // the progress balloon
constexpr std::uint32_t kTextChybaAktualizace = 20011;
constexpr std::uint32_t kTextProbihaAktualizace = 20013;      // the closing question during a check
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
constexpr std::uint32_t kTextChybaZapisuSeznamuKamer = 20045;
constexpr std::uint32_t kTextKameraExistuje = 20047;
constexpr std::uint32_t kTextChybaVychozihoSeznamu = 20048;
constexpr std::uint32_t kTextNahraditKamery = 20049;
constexpr std::uint32_t kTextVytvoritVychoziSeznam = 20050;
constexpr std::uint32_t kTextZadnaKamera = 20051;
constexpr std::uint32_t kTextMaxPocetKamer = 20060;
constexpr std::uint32_t kTextNazevNoveKamery = 20061;
constexpr std::uint32_t kTextNovyNazevKamery = 20062;
constexpr std::uint32_t kTextNazevNeplatny = 20063;
constexpr std::uint32_t kTextNazevDlouhy = 20064;             // "... max. %d znaků."
constexpr std::uint32_t kTextNazevShodny = 20065;
constexpr std::uint32_t kTextKameraZapnuta = 20066;
constexpr std::uint32_t kTextOdebratKameru = 20067;           // "... kamery\n""%s""\n..."
constexpr std::uint32_t kTextNazevProhlizeceFtp = 20144;
constexpr std::uint32_t kTextSpustenPrijem = 20145;
constexpr std::uint32_t kTextUkoncenPrijem = 20146;
constexpr std::uint32_t kTextNazevPromitani = 20168;
constexpr std::uint32_t kTextNazevEditoruPrx = 20190;
constexpr std::uint32_t kTextNazevPrehravace = 20193;
constexpr std::uint32_t kTextNazevEditoruObrazku = 20195;
constexpr std::uint32_t kTextDeklaraceXhtml = 20198;    // the page's document type declaration
constexpr std::uint32_t kTextZacatekXhtml = 20199;      // the page's html start tag with its namespace
constexpr std::uint32_t kTextOvladaniVychoziKamery = 20206;

// Menu commands.
constexpr std::uint32_t kPrikazKonec = 40001;
constexpr std::uint32_t kPrikazPredvolby = 40002;
constexpr std::uint32_t kPrikazEmailoveUcty = 40010;
constexpr std::uint32_t kPrikazPrepnoutKameru = 40011;
constexpr std::uint32_t kPrikazNovaKamera = 40012;
constexpr std::uint32_t kPrikazOdebratKameru = 40013;
constexpr std::uint32_t kPrikazPrejmenovatKameru = 40014;
constexpr std::uint32_t kPrikazVychoziKamera = 40015;
constexpr std::uint32_t kPrikazVychoziSeznamKamer = 40016;
constexpr std::uint32_t kPrikazZobrazitOkno = 40017;
constexpr std::uint32_t kPrikazSkrytOkno = 40019;
constexpr std::uint32_t kPrikazFtpMista = 40071;
constexpr std::uint32_t kPrikazKameraVProcesu = 40112;
constexpr std::uint32_t kPrikazWeboveStranky = 40003;
constexpr std::uint32_t kPrikazTechnickaPodpora = 40004;
constexpr std::uint32_t kPrikazAktualizace = 40005;
constexpr std::uint32_t kPrikazOAplikaci = 40006;
constexpr std::uint32_t kPrikazNapoveda = 40007;
constexpr std::uint32_t kPrikazSkrytPoSpusteni = 40008;      // the after-start option's text
constexpr std::uint32_t kPrikazKamery = 40018;               // the tray menu's camera submenu
constexpr std::uint32_t kPrikazZapnoutKameru = 40020;
constexpr std::uint32_t kPrikazVypnoutKameru = 40021;
constexpr std::uint32_t kPrikazSitovyOvladac = 40063;
constexpr std::uint32_t kPrikazPrijemDalkovehoOvladani = 40064;
constexpr std::uint32_t kPrikazProhlizecFtp = 40065;
constexpr std::uint32_t kPrikazEditorPrx = 40081;
constexpr std::uint32_t kPrikazPrehravacVidea = 40086;
constexpr std::uint32_t kPrikazEditorObrazku = 40102;
constexpr std::uint32_t kPrikazNastroje = 40103;             // the tools submenu and its toolbar drop-down
// The tools as processes of their own ("-eo", "-pv", "-fp", "-so").
constexpr std::uint32_t kPrikazEditorObrazkuProces = 40113;
constexpr std::uint32_t kPrikazPrehravacVideaProces = 40114;
constexpr std::uint32_t kPrikazProhlizecFtpProces = 40115;
constexpr std::uint32_t kPrikazSitovyOvladacProces = 40116;
// The default camera's actions (hotkeys and the remote control).
constexpr std::uint32_t kPrikazVychoziKameraSnimekNaDisk = 40117;
constexpr std::uint32_t kPrikazVychoziKameraSnimekEmailem = 40118;
constexpr std::uint32_t kPrikazVychoziKameraSnimekNaFtp = 40119;
constexpr std::uint32_t kPrikazVychoziKameraZaznamStart = 40120;
constexpr std::uint32_t kPrikazVychoziKameraZaznamStop = 40121;
constexpr std::uint32_t kPrikazVychoziKameraAutoDisk = 40122;
constexpr std::uint32_t kPrikazVychoziKameraAutoEmail = 40123;
constexpr std::uint32_t kPrikazVychoziKameraAutoFtp = 40124;

}  // namespace IdZdroju
