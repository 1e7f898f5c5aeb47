#include "app/win/Aplikace.h"

#include "knihovna/win/GdiPlus.h"
#include <shlobj.h>
#include <wininet.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "app/TextyZprav.h"
#include "app/VerzeWindows.h"
#include "app/win/AktualizaceAplikace.h"
#include "app/win/OknoHlavni.h"
#include "app/win/ModulEditorObrazku.h"
#include "app/win/ModulPromitaniObrazku.h"
#include "app/win/ModulPrehravacVidea.h"
#include "app/win/ModulProhlizecFtp.h"
#include "app/win/ModulSitovyOvladac.h"
#include "app/win/OknoNastroje.h"
#include "app/win/RozhraniSeznamuKamerWin.h"
#include "camera/win/PismoSystemu.h"
#include "camera/win/TervikOkno.h"
#include "app/win/SeznamSkoku.h"
#include "knihovna/Formatovani.h"
#include "knihovna/VelikostObrazku.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Dpi.h"
#include "knihovna/win/Zdroje.h"
#include "resources/IdZdroju.h"
#include "resources/Obrazky.h"
#include "video/win/VyctiZarizeni.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;

namespace {

Aplikace* instance = nullptr;

// Message box flags of the reporting operations.
constexpr UINT kZakladZpravy = MB_TASKMODAL | MB_SETFOREGROUND;  // 0x12000

std::wstring SlozkaShellu(int csidl) {
    wchar_t buf[MAX_PATH] = {};
    const HRESULT hr = ::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buf);
    if (hr != S_OK) Vyhodit(FAILED(hr) ? hr : HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND),
                            L"Nelze zjistit systémovou složku uživatele.");
    return buf;
}

void VytvoritSlozku(const std::wstring& cesta) {
    if (::CreateDirectoryW(cesta.c_str(), nullptr)) return;
    const DWORD kod = ::GetLastError();
    if (kod == ERROR_ALREADY_EXISTS && (::GetFileAttributesW(cesta.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) return;
    throw Chyba(HresultZWin32(kod), Formatovat(L"Složku \"%s\" nelze vytvořit.", cesta.c_str()));
}

// Creates the folder with every missing folder above it.
void VytvoritSlozkuSNadrazenymi(const std::wstring& cesta) {
    const DWORD atributy = ::GetFileAttributesW(cesta.c_str());
    if (atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_DIRECTORY)) return;
    const int r = ::SHCreateDirectoryExW(nullptr, cesta.c_str(), nullptr);
    if (r == ERROR_SUCCESS || r == ERROR_ALREADY_EXISTS || r == ERROR_FILE_EXISTS) {
        const DWORD a = ::GetFileAttributesW(cesta.c_str());
        if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) return;
    }
    throw Chyba(HresultZWin32(r ? static_cast<DWORD>(r) : ERROR_PATH_NOT_FOUND),
                Formatovat(L"Složku \"%s\" nelze vytvořit.", cesta.c_str()));
}

}  // namespace

Aplikace::Aplikace(HINSTANCE instanceModulu)
    : instance_(instanceModulu), udalosti_(zamek_, produkt_), aktualizace_(std::make_unique<AktualizaceAplikace>()) {
    instance = this;
}

Aplikace::~Aplikace() {
    if (instance == this) instance = nullptr;
}

Aplikace& Aplikace::Instance() { return *instance; }

std::wstring Aplikace::Text(UINT id) const {
    std::wstring text;
    NacistRetezec(instance_, id, text);
    return text;
}

// ---------------------------------------------------------------------------------------- start-up

int Aplikace::Start(const std::vector<std::wstring>& argumenty) {
    try {
        // 1
        const HRESULT hrCom = ::CoInitialize(nullptr);
        VyhoditPriChybe(hrCom);
        com_ = true;
        // 2-5
        NacistVerzi();
        DetekovatVerziWindows();
        VytvoritSlozkuDat();
        log_ = std::make_unique<SouborLog>(Formatovat(L"%s\\%s.log", slozkaDat_.c_str(), interni_.c_str()), 2000000, 0,
                                           soubory_, hodiny_);
        // 6, 7
        INITCOMMONCONTROLSEX icc{sizeof icc, 0x2FFF};
        if (!::InitCommonControlsEx(&icc)) VyhoditPosledniChybu(L"Nelze inicializovat běžné ovládací prvky.");
        DetekovatVerziWindows();
        Gdiplus::GdiplusStartupInput vstup;
        if (Gdiplus::GdiplusStartup(&gdiplus_, &vstup, nullptr) != Gdiplus::Ok)
            Vyhodit(kE_FAIL, L"Nelze inicializovat knihovnu GDI+.");
        // 8
        NacistObrazky();
        // 9
        const int wsa = ::WSAStartup(MAKEWORD(2, 0), &wsa_);
        if (wsa != 0) {
            wsa_ = WSADATA{};
            throw Chyba(HresultZWin32(static_cast<DWORD>(wsa)), L"Nelze inicializovat rozhraní Windows Sockets.");
        }
        // 10, 11
        ZjistitJmenaAAdresu();
        // 12
        const ParametryPrikazovehoRadku parametry = RozebratPrikazovyRadek(argumenty);
        if (parametry.rezimZprav == RezimZprav::Automaticky) rezimZprav_ = RezimZprav::Automaticky;
        // 13
        kurzorCekani_ = ::LoadCursorW(nullptr, IDC_WAIT);
        for (int index : {10, 13, 18, 33, 34, 35, 36, 37, 38, 44}) {
            for (HIMAGELIST seznam : seznamyObrazku_) {
                HICON ikona = seznam ? ImageList_GetIcon(seznam, index, ILD_NORMAL) : nullptr;
                if (ikona) ikonyPrikazu_.push_back(ikona);
            }
        }
        // 14
        internet_ = ::InternetOpenW(L"RTervik4", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
        if (!internet_) VyhoditPosledniChybu(L"Nelze inicializovat knihovnu WinInet.");
        // Every connection made on it (FTP logins included, whose connect happens in InternetConnectW) waits at most
        // 30 s for the server: a server that does not answer is a failure, never a road busy for ever.
        for (DWORD volba :
             {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
            DWORD limit = 30000;
            ::InternetSetOptionW(internet_, volba, &limit, sizeof limit);
        }
        // 15, 16
        NacistNastaveni();
        PouzitVelikostLogu();
        // 17, 18
        NacistZarizeniAKamery();
        // 19
        rezimSpusteni_ = parametry.rezim;
        if (rezimSpusteni_ == RezimSpusteni::VychoziKamera && !parametry.jmenoKamery.empty()) {
            const int index = kamery_->Najit(parametry.jmenoKamery);
            if (index >= 0) {
                rezimSpusteni_ = RezimSpusteni::Kamera;
                kameraProcesu_ = kamery_->Kamera(index);
            }
        }
        // 20
        OveritSlozky();
        // 21
        NacistUloziste();
        // 22
        if (parametry.rezimZprav == RezimZprav::Skryty) rezimZprav_ = RezimZprav::Skryty;
        // 23, 24
        return SpustitRoli(parametry);
    } catch (...) {
        const HRESULT hr = HresultAktualniVyjimky();
        std::wstring text;
        try {
            throw;
        } catch (const Chyba& chyba) {
            text = PopisChyby(chyba);
        } catch (...) {
            text = SystemovyPopis(hr);
        }
        ZapsatUdalostChyba(Formatovat(L"Chyba při spuštění aplikace: %s (0x%08X)", text.c_str(), static_cast<unsigned>(hr)));
        return hr ? hr : E_FAIL;
    }
}

void Aplikace::NacistVerzi() {
    const std::wstring cesta = CestaModulu(nullptr);
    DWORD nic = 0;
    const DWORD velikost = ::GetFileVersionInfoSizeW(cesta.c_str(), &nic);
    if (!velikost) VyhoditPosledniChybu(L"Nelze přečíst informace o verzi programu.");
    std::vector<BYTE> data(velikost);
    if (!::GetFileVersionInfoW(cesta.c_str(), 0, velikost, data.data()))
        VyhoditPosledniChybu(L"Nelze přečíst informace o verzi programu.");
    struct Preklad {
        WORD jazyk;
        WORD stranka;
    }* preklad = nullptr;
    UINT n = 0;
    if (!::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&preklad), &n) ||
        n < sizeof(Preklad))
        Vyhodit(HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND), L"Informace o verzi programu nemají překlad.");
    auto hodnota = [&](const wchar_t* jmeno, std::wstring& cil) {
        const std::wstring dotaz = Formatovat(L"\\StringFileInfo\\%04x%04x\\%s", preklad->jazyk, preklad->stranka, jmeno);
        wchar_t* text = nullptr;
        UINT delka = 0;
        if (::VerQueryValueW(data.data(), dotaz.c_str(), reinterpret_cast<void**>(&text), &delka) && text && delka)
            cil.assign(text, wcsnlen(text, delka));
    };
    hodnota(L"ProductName", produkt_);
    hodnota(L"InternalName", interni_);
    VS_FIXEDFILEINFO* pevne = nullptr;
    if (::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&pevne), &n) && pevne) {
        verze_ = {HIWORD(pevne->dwFileVersionMS), LOWORD(pevne->dwFileVersionMS), HIWORD(pevne->dwFileVersionLS),
                  LOWORD(pevne->dwFileVersionLS)};
    }
}

void Aplikace::DetekovatVerziWindows() {
    OSVERSIONINFOEXW rozsirena{};
    rozsirena.dwOSVersionInfoSize = sizeof rozsirena;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&rozsirena))) {
        OSVERSIONINFOW prosta{};
        prosta.dwOSVersionInfoSize = sizeof prosta;
        if (!::GetVersionExW(&prosta)) return;
        verzeWindows_ = KodVerzeWindows(prosta.dwPlatformId, prosta.dwMajorVersion, prosta.dwMinorVersion);
        return;
    }
#pragma GCC diagnostic pop
    verzeWindows_ = KodVerzeWindows(rozsirena.dwPlatformId, rozsirena.dwMajorVersion, rozsirena.dwMinorVersion);
}

void Aplikace::VytvoritSlozkuDat() {
    std::wstring cesta = SlozkaShellu(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE);
    cesta += L"\\Dunmar Holvent";
    VytvoritSlozku(cesta);
    cesta += L"\\" + interni_;
    VytvoritSlozku(cesta);
    cesta += Formatovat(L"\\%d", verze_[0]);
    VytvoritSlozku(cesta);
    slozkaDat_ = cesta;
}

void Aplikace::NacistObrazky() {
    // The strips are 32-bit with alpha: the lists keep it, so the pictures have soft edges on any background.
    auto nacist = [this](UINT id, int velikost) {
        HBITMAP pas = static_cast<HBITMAP>(::LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                                        LR_CREATEDIBSECTION));
        if (!pas) VyhoditPosledniChybu(L"Nelze načíst obrázky aplikace.");
        HIMAGELIST seznam = ImageList_Create(velikost, velikost, ILC_COLOR32 | ILC_MASK, Obrazky::kPocet, 0);
        const bool pridano = seznam && ImageList_Add(seznam, pas, nullptr) >= 0;
        ::DeleteObject(pas);
        if (!pridano) {
            if (seznam) ImageList_Destroy(seznam);
            Vyhodit(kE_FAIL, L"Nelze načíst obrázky aplikace.");
        }
        return seznam;
    };
    seznamyObrazku_[0] = nacist(IdZdroju::kBitmapaIkon, 16);
    seznamyObrazku_[1] = ImageList_Duplicate(seznamyObrazku_[0]);
    if (!seznamyObrazku_[1]) VyhoditPosledniChybu(L"Nelze načíst obrázky aplikace.");
    vetsiObrazky_[0] = nacist(IdZdroju::kBitmapaIkon24, 24);
    vetsiObrazky_[1] = nacist(IdZdroju::kBitmapaIkon32, 32);
    velkaIkona_ = NacistIkonu(instance_, MAKEINTRESOURCEW(IdZdroju::kIkonaAplikace), ::GetSystemMetrics(SM_CXICON));
    if (!velkaIkona_) VyhoditPosledniChybu(L"Nelze načíst ikonu aplikace.");
    malaIkona_ = NacistIkonu(instance_, MAKEINTRESOURCEW(IdZdroju::kIkonaAplikace), ::GetSystemMetrics(SM_CXSMICON));
    if (!malaIkona_) VyhoditPosledniChybu(L"Nelze načíst ikonu aplikace.");
}

HIMAGELIST Aplikace::ObrazkyProDpi(UINT dpi) const { return ObrazkyVelikosti(Knihovna::VelikostObrazku(dpi)); }

void Aplikace::ObrazkyDoNabidky(Knihovna::WinApi::ObrazkyNabidky& obrazky, HWND okno, HMENU menu) {
    const UINT dpi = Knihovna::WinApi::DpiOkna(okno);
    obrazky.Pripravit(menu, Knihovna::WinApi::ObrazkyNabidky::Povolit(nastaveni_.menuBitmapy, verzeWindows_),
                      ObrazkyProDpi(dpi), Knihovna::VelikostObrazku(dpi), Obrazky::ObrazekPrikazu);
}

HIMAGELIST Aplikace::ObrazkyVelikosti(int velikost) const {
    HIMAGELIST seznam = velikost >= 28 ? vetsiObrazky_[1] : velikost >= 20 ? vetsiObrazky_[0] : nullptr;
    return seznam ? seznam : seznamyObrazku_[0];
}

void Aplikace::ZjistitJmenaAAdresu() {
    wchar_t uzivatel[257] = {};
    DWORD n = 257;
    uzivatel_ = ::GetUserNameW(uzivatel, &n) ? uzivatel : L"Přihlášený uživatel";
    wchar_t pocitac[16] = {};
    n = 16;
    pocitac_ = ::GetComputerNameW(pocitac, &n) ? pocitac : L"Tento počítač";
    const hostent* h = ::gethostbyname("");
    if (!h || !h->h_addr_list || !h->h_addr_list[0])
        throw Chyba(HresultZWin32(static_cast<DWORD>(::WSAGetLastError())), L"Nelze zjistit IP adresu tohoto počítače.");
    in_addr adresa;
    std::memcpy(&adresa, h->h_addr_list[0], sizeof adresa);
    const char* text = ::inet_ntoa(adresa);
    ipAdresa_.clear();
    for (const char* p = text; p && *p; ++p) ipAdresa_ += static_cast<wchar_t>(*p);
}

void Aplikace::NacistNastaveni() {
    nastaveni_.NastavitVychozi(SlozkaShellu(CSIDL_PERSONAL), verzeWindows_);
    std::vector<std::wstring> upozorneni;
    std::vector<Chyba> chyby = nastaveni_.Nacist(registr_, kKorenRegistru, &upozorneni);
    for (const auto& radek : upozorneni) ZapsatLog(radek);
    nastaveniEditoru_ = NastaveniEditoruObrazku{};
    for (auto& c : nastaveniEditoru_.Nacist(registr_, kKorenRegistru)) chyby.push_back(std::move(c));
    nastaveniFtp_.NastavitVychozi(::GetSysColor(COLOR_APPWORKSPACE));
    for (auto& c : nastaveniFtp_.Nacist(registr_, kKorenRegistru)) chyby.push_back(std::move(c));
    // Reported once: the first failure names the value; the others kept their defaults as well.
    if (!chyby.empty()) HlasitChybuCom(IdZdroju::kTextChybaNacteniKonfigurace, chyby.front());
}

void Aplikace::PouzitVelikostLogu() {
    // The log exists from step 5, before the settings are read: it starts with the default maximum.
    if (log_)
        log_->NastavitMaxVelikost(std::clamp(nastaveni_.maxVelikost, kRozsahVelikostiLogu.min, kRozsahVelikostiLogu.max));
}

void Aplikace::NacistZarizeniAKamery() {
    NacistZarizeniVideo(zarizeniVideo_);
    NacistZarizeniZvuk(zarizeniZvuk_);
    rozhraniKamer_ = std::make_unique<RozhraniSeznamuKamerWin>(*this);
    // Every camera of the list can run in its own window.
    kamery_ = std::make_unique<SeznamKamer>(registr_, nastaveni_, *rozhraniKamer_, kKorenRegistru,
                                            [](const std::wstring& jmeno) -> std::unique_ptr<Tervik> {
                                                return std::make_unique<TervikOkno>(jmeno, kKorenRegistru);
                                            });
    KontextKamery& kontext = kamery_->Kontext();
    kontext.slozkaDat = nastaveni_.slozkaData;
    kontext.uzivatel = uzivatel_;
    kontext.produkt = produkt_;
    kontext.zarizeniVideo = &zarizeniVideo_;
    kontext.zarizeniZvuk = &zarizeniZvuk_;
    kontext.pismo = VychoziPismoGui();
    kamery_->Nacist();
}

int Aplikace::IndexVychoziKamery() const { return kamery_ ? kamery_->IndexVychoziKamery() : -1; }

void Aplikace::NacistUloziste() {
    // A store that cannot be read is reported and stays empty; its file is never overwritten.
    auto hlaseni = [this](const std::wstring& text, const Chyba& chyba) {
        ZobrazitChybu(TextyZprav::Chyba(text, PopisChybyCom(chyba)));
    };
    ucty_ = std::make_unique<Holvent::Email::SeznamUctu>(slozkaDat_, hlaseni);
    mista_ = std::make_unique<Holvent::Email::SeznamFtpMist>(slozkaDat_, hlaseni);
    ucty_->LoadAccounts();
    mista_->LoadPlaces();
}

int Aplikace::SpustitKameru() {
    // The list was loaded at start-up; loading it again would report each camera's load failures twice.
    Tervik* kamera = rezimSpusteni_ == RezimSpusteni::VychoziKamera ? kamery_->VychoziKamera() : kameraProcesu_;
    kameraProcesu_ = nullptr;
    auto* okno = dynamic_cast<TervikOkno*>(kamera);
    if (!okno) return 1;
    // The camera is the whole process: its window's end ends the loop.
    okno->UkoncitAplikaciPriZavreni(true);
    okno->Spustit();
    return okno->Bezi() ? 0 : 1;
}

void Aplikace::OveritSlozky() {
    VytvoritSlozkuSNadrazenymi(slozkaDat_);
    VytvoritSlozkuSNadrazenymi(nastaveni_.slozkaData);
}

void Aplikace::NastavitIdModelu() {
    // Best effort: a shell without it (older Windows, Wine) does not stop the program.
    using Funkce = HRESULT(WINAPI*)(PCWSTR);
    HMODULE shell = ::GetModuleHandleW(L"shell32.dll");
    auto f = shell ? reinterpret_cast<Funkce>(reinterpret_cast<void*>(
                         ::GetProcAddress(shell, "SetCurrentProcessExplicitAppUserModelID")))
                   : nullptr;
    const HRESULT hr = f ? f(idModelu_.c_str()) : E_NOTIMPL;
    if (FAILED(hr))
        ZapsatLog(Formatovat(L"Identifikátor aplikace \"%s\" nelze nastavit (0x%08X).", idModelu_.c_str(),
                             static_cast<unsigned>(hr)));
}

bool Aplikace::JednaInstance() {
    HANDLE h = ::CreateMutexW(nullptr, TRUE, L"Tervik4Aplikace");
    const DWORD kod = ::GetLastError();
    if (!h) VyhoditPosledniChybu();
    if (kod == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(h);
        return false;
    }
    mutexInstance_ = h;
    return true;
}

int Aplikace::SpustitRoli(const ParametryPrikazovehoRadku& parametry) {
    idModelu_ = IdModeluAplikace(rezimSpusteni_);
    NastavitIdModelu();
    const HRESULT hrSkoky = SeznamSkoku::Vytvorit(rezimSpusteni_);
    if (FAILED(hrSkoky))
        ZapsatLog(Formatovat(L"Seznam odkazů na hlavním panelu nelze vytvořit (0x%08X).", static_cast<unsigned>(hrSkoky)));

    switch (rezimSpusteni_) {
    case RezimSpusteni::SitovyOvladac:
        oknoNastroje_ = ModulSitovyOvladac::VytvoritOknoOvladace();
        return 0;
    case RezimSpusteni::PrehravacVidea:
        oknoNastroje_ = ModulPrehravacVidea::VytvoritOknoPrehravace(parametry.soubor);
        return 0;
    case RezimSpusteni::ProhlizecFtp:
        oknoNastroje_ = ModulProhlizecFtp::VytvoritOknoProhlizece();
        return 0;
    case RezimSpusteni::EditorObrazku:
        oknoNastroje_ = ModulEditorObrazku::VytvoritOknoEditoru(parametry.soubor);
        return 0;
    case RezimSpusteni::Kamera:
    case RezimSpusteni::VychoziKamera:
        (void)parametry;
        return SpustitKameru();
    case RezimSpusteni::Aplikace:
        if (!JednaInstance()) {
            ZobrazitZpravu(Formatovat(Text(IdZdroju::kTextJizSpustena).c_str(), produkt_.c_str()));
            return 1;
        }
        hlavniOkno_ = std::make_unique<OknoHlavni>();
        hlavniOkno_->Vytvorit();
        rozhraniKamer_->NastavitVlastnika(hlavniOkno_->Hwnd());
        return 0;
    }
    return 1;
}

int Aplikace::SmyckaZprav() {
    MSG msg;
    BOOL r;
    while ((r = ::GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (r == -1) return static_cast<int>(HRESULT_FROM_WIN32(::GetLastError()));
        // The network controller's dialog fills its frame: Tab and Enter move and send in it.
        if (rezimSpusteni_ == RezimSpusteni::SitovyOvladac && oknoNastroje_ && oknoNastroje_->Hwnd() &&
            ::IsDialogMessageW(oknoNastroje_->Hwnd(), &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void Aplikace::PoSpusteni(HWND hlavniOkno) {
    try {
        if (!::SetPriorityClass(::GetCurrentProcess(), nastaveni_.processPriority))
            VyhoditPosledniChybu(Formatovat(L"Prioritu procesu 0x%X nelze nastavit.", nastaveni_.processPriority));
    } catch (const Chyba& chyba) {
        HlasitChybuCom(IdZdroju::kTextChybaNacteniKonfigurace, chyba);
    }
    for (int i = 0; i < kamery_->Pocet(); ++i)
        if (kamery_->Kamera(i)->Parametry().poSpusteni) kamery_->Kamera(i)->Spustit();
    // Without any video device a default list could hold nothing: the offer is not made.
    if (kamery_->Pocet() == 0 && !zarizeniVideo_.empty() && ZeptatSeAnoNe(IdZdroju::kTextZadnaKamera, true, true)) {
        kamery_->VytvoritVychoziSeznam(false);
        if (hlavniOkno_) hlavniOkno_->ObnovitSeznamKamer(0);
    }
    if (nastaveni_.skrytOkno || rezimZprav_ == RezimZprav::Skryty)
        ::PostMessageW(hlavniOkno, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    if (nastaveni_.prijemDalkovehoOvladani && hlavniOkno_) hlavniOkno_->Prijem().SpustitSHlasenim(hlavniOkno);
    // The after-start option of the network controller opens its tool.
    if (nastaveni_.sitovyOvladac) ModulSitovyOvladac::Instance().Spustit();
    const std::wstring spusteno = Formatovat(Text(IdZdroju::kTextUspesneSpustena).c_str(), produkt_.c_str());
    if (nastaveni_.logSpusteni) ZapsatLog(spusteno);
    if (nastaveni_.udalostSpusteni) ZapsatUdalostInfo(spusteno);
    aktualizace_->PoSpusteni(hlavniOkno);
}

// ---------------------------------------------------------------------------------------- shutdown

int Aplikace::Ukoncit() {
    try {
        // 1
        const std::wstring ukonceno = Formatovat(Text(IdZdroju::kTextUkoncena).c_str(), produkt_.c_str());
        if (nastaveni_.logUkonceni) ZapsatLog(ukonceno);
        if (nastaveni_.udalostUkonceni) ZapsatUdalostInfo(ukonceno);
        // 2
        if (oknoNastroje_) {
            if (oknoNastroje_->Hwnd()) oknoNastroje_->Znicit();
            oknoNastroje_.reset();
        }
        if (hlavniOkno_) {
            if (hlavniOkno_->Hwnd()) hlavniOkno_->Znicit();
            hlavniOkno_.reset();
        }
        // A camera still running (a process ended from outside the loop) closes in its own order.
        if (kamery_)
            for (int i = 0; i < kamery_->Pocet(); ++i) kamery_->Kamera(i)->Zastavit();
        // 3: a slideshow a camera started (the camera as the whole process) is stopped; thumbnail buttons own
        // nothing yet; a check still running is abandoned.
        ModulPromitaniObrazku::Instance().Zastavit();
        // The image editor a camera's snapshot opened, likewise.
        ModulEditorObrazku::Instance().Zastavit();
        aktualizace_->Ukoncit();
        // 4
        zarizeniVideo_.clear();
        zarizeniZvuk_.clear();
        // 5
        if (internet_ && !::InternetCloseHandle(internet_)) ::MessageBeep(MB_ICONEXCLAMATION);
        internet_ = nullptr;
        // 6
        for (HICON* ikona : {&velkaIkona_, &malaIkona_}) {
            if (*ikona && !::DestroyIcon(*ikona)) VyhoditPosledniChybu();
            *ikona = nullptr;
        }
        kurzorCekani_ = nullptr;  // a shared system cursor: not destroyed
        for (HICON ikona : ikonyPrikazu_)
            if (!::DestroyIcon(ikona)) VyhoditPosledniChybu();
        ikonyPrikazu_.clear();
        // 7
        if (mutexInstance_) {
            HANDLE h = std::exchange(mutexInstance_, nullptr);
            if (!::ReleaseMutex(h)) VyhoditPosledniChybu();
            if (!::CloseHandle(h)) VyhoditPosledniChybu();
        }
        // 8
        for (auto* seznamy : {&seznamyObrazku_, &vetsiObrazky_}) {
            for (HIMAGELIST& seznam : *seznamy) {
                if (seznam) ImageList_Destroy(seznam);
                seznam = nullptr;
            }
        }
        if (gdiplus_) Gdiplus::GdiplusShutdown(gdiplus_);
        gdiplus_ = 0;
        if (wsa_.wVersion) ::WSACleanup();
        wsa_ = WSADATA{};
        // 9
        log_.reset();
        if (com_) ::CoUninitialize();
        com_ = false;
        // 10
        nastaveni_.horkeKlavesy.Vyprazdnit();
        if (kamery_) kamery_->UvolnitVse();
        ucty_.reset();
        mista_.reset();
        return 0;
    } catch (const Chyba& chyba) {
        ZapsatUdalostChyba(Formatovat(L"Chyba při ukončení aplikace: %s", PopisChyby(chyba).c_str()));
        return chyba.Hr();
    }
}

// ---------------------------------------------------------------------------------------- reporting

int Aplikace::ZpravaOkno(const std::wstring& text, UINT styl) {
    return ::MessageBoxW(nullptr, text.c_str(), produkt_.c_str(), styl);
}

void Aplikace::ZobrazitZpravu(const std::wstring& text) {
    switch (rezimZprav_) {
    case RezimZprav::Interaktivni:
        ZpravaOkno(text, kZakladZpravy | MB_ICONINFORMATION);  // 0x12040
        break;
    case RezimZprav::Automaticky:
        // A balloon at the main window's tray icon, when the window and its icon exist; without them
        // (a second instance, a camera process) the information still reaches the log.
        if (hlavniOkno_ && hlavniOkno_->Hwnd())
            if (IkonaOznamovaciOblasti* ikona = hlavniOkno_->Ikona()) {
                ikona->Bublina(1, produkt_, text);
                break;
            }
        ZapsatLog(text);
        break;
    case RezimZprav::Skryty:
        ZapsatUdalostInfo(text);
        break;
    }
}

void Aplikace::HlasitFatalniChybu(const std::wstring& text) {
    const std::wstring zprava = TextyZprav::FatalniChyba(text, produkt_);
    ZapsatUdalostChyba(zprava);
    ZpravaOkno(zprava, kZakladZpravy | MB_ICONERROR);  // 0x12010
    ::ExitProcess(static_cast<UINT>(-1));
}

void Aplikace::HlasitFatalniChybu(UINT idTextu) {
    std::wstring text;
    if (NacistRetezec(instance_, idTextu, text)) HlasitFatalniChybu(STeckouNaKonci(text));
    HlasitFatalniChybu(SystemovyPopis(HRESULT_FROM_WIN32(::GetLastError())));
}

void Aplikace::HlasitFatalniChybuWin32(const std::wstring& text, DWORD kod) {
    HlasitFatalniChybu(TextyZprav::SystemovyPopis(text, SystemovyPopis(HRESULT_FROM_WIN32(kod))));
}

std::wstring Aplikace::PopisChybyCom(const Chyba& chyba) const {
    const std::wstring zprava = PopisChyby(chyba);
    IErrorInfo* info = nullptr;
    if (::GetErrorInfo(0, &info) != S_OK || !info) return TextyZprav::PopisChybyCom(zprava, false, nullptr);
    BSTR popis = nullptr;
    std::wstring text;
    const bool ma = SUCCEEDED(info->GetDescription(&popis)) && popis;
    if (ma) text.assign(popis, ::SysStringLen(popis));
    if (popis) ::SysFreeString(popis);
    info->Release();
    return TextyZprav::PopisChybyCom(zprava, true, ma ? &text : nullptr);
}

void Aplikace::HlasitChybuCom(UINT idTextu, const Chyba& chyba) {
    ZpravaOkno(TextyZprav::Chyba(Text(idTextu), PopisChybyCom(chyba)), kZakladZpravy | MB_ICONERROR);
}

void Aplikace::HlasitChybu(UINT idTextu) {
    std::wstring text;
    if (NacistRetezec(instance_, idTextu, text)) text = STeckouNaKonci(text);
    else text = SystemovyPopis(HRESULT_FROM_WIN32(::GetLastError()));
    ZpravaOkno(text, kZakladZpravy | MB_ICONERROR);
}

bool Aplikace::ZeptatSeAnoNe(UINT idTextu, bool anoVychozi, bool varovani) {
    return ZeptatSeAnoNe(Text(idTextu), anoVychozi, varovani);
}

bool Aplikace::ZeptatSeAnoNe(const std::wstring& otazka, bool anoVychozi, bool varovani) {
    // 0x12023 with the question icon, 0x12033 with the warning icon; No is the default unless asked.
    UINT styl = kZakladZpravy | MB_YESNOCANCEL | (varovani ? MB_ICONWARNING : MB_ICONQUESTION);
    if (!anoVychozi) styl |= MB_DEFBUTTON2;
    return ZpravaOkno(otazka, styl) == IDYES;
}

void Aplikace::ZobrazitChybu(const std::wstring& text) { ZpravaOkno(text, kZakladZpravy | MB_ICONERROR); }

void Aplikace::ZapsatLog(const std::wstring& text) {
    if (!log_) return;
    try {
        log_->ZapsatRadek(text);
    } catch (const Chyba&) {
        // The log cannot be written (held open elsewhere): nothing else to report it to.
    }
}

void Aplikace::ZapsatLog(UINT idTextu) {
    std::wstring text;
    if (!NacistRetezec(instance_, idTextu, text)) text = SystemovyPopis(HRESULT_FROM_WIN32(::GetLastError()));
    ZapsatLog(text);
}

std::wstring Aplikace::CestaLogu() const { return log_ ? log_->Cesta() : std::wstring(); }

HRESULT Aplikace::ZapsatUdalostChyba(const std::wstring& text) { return udalosti_.Zapsat(ZapisovacUdalosti::kChyba, text); }
HRESULT Aplikace::ZapsatUdalostVarovani(const std::wstring& text) {
    return udalosti_.Zapsat(ZapisovacUdalosti::kVarovani, text);
}
HRESULT Aplikace::ZapsatUdalostInfo(const std::wstring& text) {
    return udalosti_.Zapsat(ZapisovacUdalosti::kInformace, text);
}
HRESULT Aplikace::ZapsatUdalostInfo(UINT idTextu) {
    std::wstring text;
    if (!NacistRetezec(instance_, idTextu, text))
        return ZapsatUdalostChyba(SystemovyPopis(HRESULT_FROM_WIN32(::GetLastError())));
    return ZapsatUdalostInfo(text);
}
