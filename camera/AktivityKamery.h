#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "camera/ParametryKamery.h"
#include "email/EmailovyUcet.h"

// The camera window's own messages (above WM_APP).
inline constexpr std::uint32_t kZpravaPoSpusteniKamery = 0x8005;
inline constexpr std::uint32_t kZpravaSnimek = 0x800A;
inline constexpr std::uint32_t kZpravaStartGrafu = 0x800B;
inline constexpr std::uint32_t kZpravaVysledekGrafu = 0x800C;
inline constexpr std::uint32_t kZpravaPohyb = 0x800D;
// The snapshot server's socket events: wParam the socket, the event (FD_ACCEPT, FD_READ, FD_CLOSE) in
// LOWORD(lParam), its error in HIWORD(lParam).
inline constexpr std::uint32_t kZpravaSoketServeru = 0x800E;
inline constexpr std::uint32_t kZpravaChybaFtp = 0x8010;
// A road's worker has ended: wParam the road (PraceKamery), lParam its result, which the window owns from then on
// (a window that is gone refuses the post and the worker frees the result itself).
inline constexpr std::uint32_t kZpravaVysledekPrace = 0x8011;
inline constexpr std::uint32_t kZpravaChybaEmailu = 0x8012;
// The FTP folder chooser's listing has ended (lParam its result, owned by the dialog once posted).
inline constexpr std::uint32_t kZpravaVypisSlozekFtp = 0x8020;
// The HTML page generator's upload has ended (lParam its result, owned by the dialog once posted).
inline constexpr std::uint32_t kZpravaOdeslaniStranky = 0x8021;
// A snapshot-server request thread asks the camera window for a snapshot (sent by post, wParam 0, lParam a
// heap-held std::shared_ptr of the request, which the window takes over; the thread waits for its answer), or
// hands it a line for the camera's log and event log (wParam 1, lParam the heap-held line).
inline constexpr std::uint32_t kZpravaSnimekServeru = 0x8022;
// For tests and the status: the snapshot server's load, MAKELRESULT(request threads, open connections).
inline constexpr std::uint32_t kZpravaZatizeniServeru = 0x8023;
// The remote-control receiver's socket events to the main window (the same layout as kZpravaSoketServeru).
inline constexpr std::uint32_t kZpravaSoketPrijmu = 0x8014;
// The remote-control reply thread has ended (to the main window; wParam, lParam unused).
inline constexpr std::uint32_t kZpravaKonecOdpovedi = 0x8024;
// A network controller's worker has ended: wParam the worker (0 send, 1 name lookup, 2 LAN search,
// 3 the address of a LAN computer),
// lParam its result, owned by the controller dialog once posted.
inline constexpr std::uint32_t kZpravaPraceOvladace = 0x8025;
// A tool's notice for the main window's notification icon (a balloon when the icon exists): wParam the kind
// (1 information, 2 warning, 3 error), lParam a heap std::wstring the main window takes over.
inline constexpr std::uint32_t kZpravaBublinaNastroje = 0x8026;
// The recording's file sink refused a write (free space below the reserve, or the write failed): posted
// once per recording from the streaming thread; wParam 0 short of space, 1 a failed write; lParam unused.
inline constexpr std::uint32_t kZpravaMistoZaznamu = 0x801E;
// 0x8015-0x801D (WM_APP + 21-29) are the FTP browser window's workers' messages: net/win/PraceProhlizeceFtp.h.
// To the .prx editor's window: open the file its module holds for it (wParam, lParam unused).
inline constexpr std::uint32_t kZpravaOtevritPrx = 0x8030;
// A camera's plug-in faulted or did not answer within its budget and is switched off until its next load
// (posted by the caller of the plug-in's thread, streaming or UI thread alike): wParam the plug-in's index in the
// camera's list, lParam a heap-held std::wstring with the finished message the window takes over.
inline constexpr std::uint32_t kZpravaSelhaniModulu = 0x8031;
// The update check's worker has ended (to the main window; lParam its result, owned by the window once posted).
inline constexpr std::uint32_t kZpravaVysledekAktualizace = 0x8032;
// To the image editor's window: open a camera's snapshot (lParam a heap-held std::wstring with its path, which the
// window takes over once posted; wParam unused).
inline constexpr std::uint32_t kZpravaOtevritObrazek = 0x8038;
// The slideshow's collecting worker to its window: wParam the count of pictures found so far (every few hundred).
inline constexpr std::uint32_t kZpravaPrubehSberu = 0x8040;
// The slideshow's collection has ended: lParam a heap-held VysledekSberu the window takes over (0 when none).
inline constexpr std::uint32_t kZpravaKonecSberu = 0x8041;
// The camera's capture graph has events waiting (EC_DEVICE_LOST, EC_ERRORABORT…; IMediaEventEx's notification to the
// camera window; wParam, lParam unused).
inline constexpr std::uint32_t kZpravaUdalostGrafuKamery = 0x8042;
// A camera's storage clean-up run has ended (from its worker to the camera window): lParam a heap-held result the
// window takes over once posted (0 when none).
inline constexpr std::uint32_t kZpravaKonecUklidu = 0x8043;
// The video player's graph events (EC_COMPLETE, EC_ERRORABORT…) are waiting (to the player window).
inline constexpr std::uint32_t kZpravaUdalostPrehravace = 0x83E8;

// The camera window's timers.
inline constexpr std::uintptr_t kCasovacDisk = 1;
inline constexpr std::uintptr_t kCasovacFtp = 2;
inline constexpr std::uintptr_t kCasovacEmail = 3;
inline constexpr std::uintptr_t kCasovacZaznam = 4;
inline constexpr std::uintptr_t kCasovacDelkaZaznamu = 5;
inline constexpr std::uintptr_t kCasovacPohyb = 6;
inline constexpr std::uintptr_t kCasovacTooltip = 7;
inline constexpr std::uintptr_t kCasovacPlan = 8;
// The snapshot server's connections awaiting their heads: their time-outs.
inline constexpr std::uintptr_t kCasovacServer = 9;
// The lost device's next reopening attempt; the frame watchdog; the storage clean-up's period.
inline constexpr std::uintptr_t kCasovacObnoveni = 10;
inline constexpr std::uintptr_t kCasovacHlidaniSnimku = 11;
inline constexpr std::uintptr_t kCasovacUklid = 12;
inline constexpr std::uint32_t kPeriodaPlanu = 5000;           // ms
inline constexpr std::uint32_t kPeriodaIkonyZaznamu = 800;     // ms, the blinking recording icon

// The camera window's menu and toolbar commands.
namespace PrikazyKamery {
inline constexpr std::uint32_t kVideo = 40022;
inline constexpr std::uint32_t kSkrytOkno = 40023;
inline constexpr std::uint32_t kVypnout = 40024;
inline constexpr std::uint32_t kPrizpusobit = 40025;
inline constexpr std::uint32_t kToolbar = 40026;
inline constexpr std::uint32_t kOvladani = 40027;
inline constexpr std::uint32_t kStatusBar = 40028;
inline constexpr std::uint32_t kMenu = 40029;
inline constexpr std::uint32_t kPredvolby = 40030;
inline constexpr std::uint32_t kNastaveniVidea = 40031;
inline constexpr std::uint32_t kNastaveniKamery = 40032;
inline constexpr std::uint32_t kTitulekPlny = 40034;
inline constexpr std::uint32_t kTitulekUzky = 40035;
inline constexpr std::uint32_t kTitulekZadny = 40036;
inline constexpr std::uint32_t kNavrchu = 40037;
inline constexpr std::uint32_t kPruhledne = 40038;
inline constexpr std::uint32_t kSnimkyDisk = 40039;
inline constexpr std::uint32_t kSnimkyFtp = 40040;
inline constexpr std::uint32_t kSnimkyEmail = 40041;
inline constexpr std::uint32_t kServerHttp = 40042;
inline constexpr std::uint32_t kDetekce = 40043;
inline constexpr std::uint32_t kZobrazitOkno = 40045;
inline constexpr std::uint32_t kSnimek = 40046;
inline constexpr std::uint32_t kSlozkaSnimku = 40047;
inline constexpr std::uint32_t kSmazatSnimky = 40048;
inline constexpr std::uint32_t kTlacitkoDisk = 40049;
inline constexpr std::uint32_t kResetCislovani = 40050;
inline constexpr std::uint32_t kTlacitkoFtp = 40051;
inline constexpr std::uint32_t kSnimekFtp = 40052;
inline constexpr std::uint32_t kSnimekEmail = 40053;
inline constexpr std::uint32_t kTlacitkoEmail = 40054;
inline constexpr std::uint32_t kZaznamStart = 40055;
inline constexpr std::uint32_t kZaznamKonec = 40056;
inline constexpr std::uint32_t kSlozkaZaznamu = 40057;
inline constexpr std::uint32_t kSmazatZaznamy = 40058;
inline constexpr std::uint32_t kTlacitkoZaznam = 40059;
inline constexpr std::uint32_t kResetZaznamu = 40060;
inline constexpr std::uint32_t kZarizeni = 40061;
inline constexpr std::uint32_t kPromitani = 40078;
inline constexpr std::uint32_t kHtml = 40108;
inline constexpr std::uint32_t kPlanovane = 40125;
// The motion mask's editing mode over the live picture (the motion submenu).
inline constexpr std::uint32_t kUpravitMasku = 40126;
}  // namespace PrikazyKamery

// The roads whose workers report by kZpravaVysledekPrace.
enum PraceKamery : std::uintptr_t { kPraceEmail = 1, kPraceFtp = 2 };

enum class AktivitaKamery { SnimkyDisk, SnimkyFtp, SnimkyEmail };

// The log-file and event-log texts of an activity's start and stop with the switches that ask for them.
// udalost* texts contain one "%s" (the camera name) or are nullptr when there is no such event.
struct TextyAktivity {
    const wchar_t* logStart;
    bool UdalostiKamery::* prepinacStart;
    const wchar_t* udalostStart;
    const wchar_t* logStop;
    bool UdalostiKamery::* prepinacStop;
    const wchar_t* udalostStop;
};
const TextyAktivity& TextyAktivityKamery(AktivitaKamery aktivita);

// The camera's own start and end: log-file texts and event-log texts ("%s" the camera name).
inline constexpr const wchar_t* kLogKameraZapnuta = L"Tervik byla zapnuta";
inline constexpr const wchar_t* kUdalostKameraZapnuta = L"Tervik \"%s\" byla zapnuta";
inline constexpr const wchar_t* kLogKameraVypnuta = L"Tervik byla vypnuta";
inline constexpr const wchar_t* kUdalostKameraVypnuta = L"Tervik \"%s\" byla vypnuta";

// One posted command of the actions after start.
struct PrikazPoSpusteni {
    std::uint32_t prikaz;
    std::uintptr_t parametr;
    bool operator==(const PrikazPoSpusteni&) const = default;
};
// The commands of the set "Po spusteni" switches, in the order they are to be posted; the video
// comes first so that the activities that need it find it on. ("minimalizovat" is not a command.)
std::vector<PrikazPoSpusteni> PrikazyPoSpusteni(const ParametryKamery::AkcePoSpusteni& akce);

// Start conditions. Empty text = may start, else the message to show.
inline constexpr const wchar_t* kTextNeplatnyFtpServer = L"Není nastaven platný název FTP serveru";
inline constexpr const wchar_t* kTextChybiSmtpServer = L"Není nastaven server odchozí pošty (SMTP)";
inline constexpr const wchar_t* kTextNeplatnyOdesilatel =
    L"Pro tuto kameru není nastavena platná emailová ardesa odesílatele.";
inline constexpr const wchar_t* kTextNeplatnyPrijemce =
    L"Pro tuto kameru není nastavena platná emailová ardesa příjemce.";
// The shortest server name or address the starts accept.
inline constexpr std::size_t kMinDelkaAdresy = 6;

// FTP: "server" of snimkyFtp at least 6 characters.
std::wstring ChybaStartuFtp(const ParametryKamery& parametry);
// E-mail (after the video check, which the window does): ucet is the account named by "emailUcet"
// (nullptr when not found: the sender's message); SMTP server, sender, recipient in this order.
std::wstring ChybaStartuEmail(const ParametryKamery& parametry, const Holvent::Email::EmailovyUcet* ucet);

// The stored capture size is used only when both lie strictly between 10 and 10000.
bool VelikostVideaPouzitelna(std::int32_t sirka, std::int32_t vyska);

// What becomes of the camera's notification icon by "oznamovaciIkona" (2 always, 1 only while the
// window is hidden, 0 none) when the window is shown, hidden or its settings change.
enum class IkonaKamery { Zobrazit, Odebrat, Ponechat };
IkonaKamery IkonaKameryPodleVolby(std::uint32_t oznamovaciIkona, bool oknoViditelne);
// 0x8050 (to the main window): kZpravaStavZdroju, one resource figure of the process for a long run's leak check
// (app/win/StavZdroju.h).
