#include "app/win/ModulNastroje.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/win/Aplikace.h"
#include "app/win/ModulEditorObrazku.h"
#include "app/win/ModulPrehravacVidea.h"
#include "app/win/ModulSitovyOvladac.h"
#include "app/win/ModulyNastroju.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Okno.h"
#include "knihovna/win/Zdroje.h"
#include "resources/IdZdroju.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;

namespace {

constexpr DWORD kLimit = 30000;  // generous: a loaded machine under Wine
constexpr const wchar_t* kZnackaDitete = L"--tervik-modul-dite";
constexpr UINT kNeexistujiciText = 65001;

enum class Chovani { Bezne, NezavriSe, Vyjimka };

// A window that closes normally, or ignores every request to close.
class OknoTestu final : public Okno {
public:
    explicit OknoTestu(bool odmitatZavreni) : odmitat_(odmitatZavreni) {}

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override {
        switch (zprava) {
        case WM_CLOSE:
            if (!odmitat_) ::DestroyWindow(Hwnd());
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        }
        return Okno::ZpracovatZpravu(zprava, wp, lp);
    }

private:
    bool odmitat_;
};

class ModulTestu final : public ModulNastroje {
public:
    explicit ModulTestu(Chovani chovani = Chovani::Bezne, UINT idNazvu = IdZdroju::kTextNazevEditoruObrazku)
        : ModulNastroje(IdZdroju::kPrikazEditorObrazku, idNazvu), chovani_(chovani) {}
    ~ModulTestu() override { Zastavit(); }

    // Written on the module's thread; read after the thread has ended.
    std::vector<std::wstring> otevrene;

protected:
    std::unique_ptr<Okno> VytvoritOkno() override {
        if (chovani_ == Chovani::Vyjimka)
            Vyhodit(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), L"Okno modulu nelze vytvořit.");
        auto okno = std::make_unique<OknoTestu>(chovani_ == Chovani::NezavriSe);
        okno->Vytvorit(L"TervikTestModul", L"Testovací modul", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 40, 40, 320, 200);
        return okno;
    }
    void OtevritSoubor(Okno&, const std::wstring& soubor) override { otevrene.push_back(soubor); }

private:
    Chovani chovani_;
};

// A message-only window standing in for the main window; 0x8013 waits in its queue.
class HlavniOknoTestu {
public:
    HlavniOknoTestu()
        : hwnd_(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {
        ModulNastroje::NastavitHlavniOkno(hwnd_);
    }
    ~HlavniOknoTestu() {
        ModulNastroje::NastavitHlavniOkno(nullptr);
        ::DestroyWindow(hwnd_);
    }
    HWND Hwnd() const { return hwnd_; }

    // The next 0x8013 (its wParam), or -1 when none came in time.
    int CekatNaStav(DWORD limit = kLimit) {
        const DWORD zacatek = ::GetTickCount();
        for (;;) {
            MSG msg;
            if (::PeekMessageW(&msg, hwnd_, Aplikace::kZpravaStavModulu, Aplikace::kZpravaStavModulu, PM_REMOVE))
                return static_cast<int>(msg.wParam);
            if (::GetTickCount() - zacatek > limit) return -1;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_POSTMESSAGE);
        }
    }
    bool DalsiStav() {
        MSG msg;
        return ::PeekMessageW(&msg, hwnd_, Aplikace::kZpravaStavModulu, Aplikace::kZpravaStavModulu, PM_REMOVE);
    }

private:
    HWND hwnd_;
};

template <class Podminka>
bool Cekat(Podminka podminka, DWORD limit = kLimit) {
    const DWORD zacatek = ::GetTickCount();
    while (!podminka()) {
        if (::GetTickCount() - zacatek > limit) return false;
        ::Sleep(20);
    }
    return true;
}

bool HandlePlatny(HANDLE h) {
    DWORD priznaky = 0;
    return ::GetHandleInformation(h, &priznaky) != 0;
}

std::wstring DocasnySoubor(const wchar_t* jmeno) {
    wchar_t slozka[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, slozka);
    const std::wstring cesta = std::wstring(slozka) + jmeno;
    HANDLE h = ::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    return cesta;
}

// ------------------------------------------------------------------ the child process
// Started again with the marker on its command line, the test program plays one failing module and is ended by
// the fatal report before any test runs.

[[noreturn]] void HratDite(const std::wstring& pripad) {
    Aplikace aplikace(::GetModuleHandleW(nullptr));
    const bool jmeno = pripad == L"nazev";
    ModulTestu modul(pripad == L"ukonceni" ? Chovani::NezavriSe : Chovani::Vyjimka,
                     jmeno ? kNeexistujiciText : IdZdroju::kTextNazevEditoruObrazku);
    modul.Spustit();
    if (pripad == L"ukonceni") {
        if (Cekat([&] { return modul.OknoModulu() != nullptr; })) modul.Zastavit();
    } else {
        ::WaitForSingleObject(modul.HandleVlakna(), kLimit);
    }
    ::ExitProcess(3);  // the report did not end the process
}

[[maybe_unused]] const bool diteSpusteno = [] {
    const std::wstring radek = ::GetCommandLineW();
    const std::wstring znacka = std::wstring(kZnackaDitete) + L"=";
    const auto i = radek.find(znacka);
    if (i != std::wstring::npos) HratDite(radek.substr(i + znacka.size()));
    return false;
}();

struct VysledekDitete {
    DWORD kod = 0;
    std::wstring textOkna;  // the text of the message box it showed
};

// Runs the child, answers its message box and returns what it showed and how it ended.
VysledekDitete SpustitDite(const std::wstring& pripad) {
    VysledekDitete vysledek;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    // No test runs in the child even if the marker went unseen.
    std::wstring prikaz = L"\"" + CestaModulu(nullptr) + L"\" --gtest_filter=-* " + kZnackaDitete + L"=" + pripad;
    const BOOL ok = ::CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    EXPECT_TRUE(ok);
    if (!ok) return vysledek;

    const DWORD zacatek = ::GetTickCount();
    bool hotovo = false;
    while (!hotovo && ::GetTickCount() - zacatek < 2 * kLimit) {
        if (::WaitForSingleObject(pi.hProcess, 100) == WAIT_OBJECT_0) break;
        for (HWND h = ::FindWindowExW(nullptr, nullptr, L"#32770", nullptr); h;
             h = ::FindWindowExW(nullptr, h, L"#32770", nullptr)) {
            DWORD proces = 0;
            ::GetWindowThreadProcessId(h, &proces);
            if (proces != pi.dwProcessId || !::IsWindowVisible(h)) continue;
            wchar_t text[4096] = {};
            ::GetDlgItemTextW(h, 0xFFFF, text, 4096);
            vysledek.textOkna = text;
            ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(h, IDOK)));
            hotovo = true;
            break;
        }
    }
    if (::WaitForSingleObject(pi.hProcess, kLimit) != WAIT_OBJECT_0) ::TerminateProcess(pi.hProcess, 99);
    ::GetExitCodeProcess(pi.hProcess, &vysledek.kod);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);

    return vysledek;
}

const std::wstring kZacatekFatalni = L"Došlo k významné chybě!\n\n";

bool ZacinaNa(const std::wstring& text, const std::wstring& zacatek) { return text.rfind(zacatek, 0) == 0; }

}  // namespace

TEST(ModulNastroje, BeziNaVlastnimVlaknuOznamujeStartIKonecADruhySpustitNicNedela) {
    Aplikace aplikace(::GetModuleHandleW(nullptr));
    HlavniOknoTestu hlavni;
    const std::wstring soubor = DocasnySoubor(L"tervik_modul_start.txt");
    ModulTestu modul;
    EXPECT_FALSE(modul.Bezi());
    EXPECT_EQ(modul.Zastavit(), 0);  // stopping a stopped module does nothing

    modul.Spustit(soubor);
    EXPECT_TRUE(modul.Bezi());
    EXPECT_EQ(hlavni.CekatNaStav(), static_cast<int>(IdZdroju::kPrikazEditorObrazku));
    ASSERT_TRUE(Cekat([&] { return modul.OknoModulu() != nullptr; }));
    const DWORD vlaknoOkna = ::GetWindowThreadProcessId(modul.OknoModulu(), nullptr);
    EXPECT_NE(vlaknoOkna, ::GetCurrentThreadId());
    EXPECT_EQ(vlaknoOkna, modul.IdVlakna());
    EXPECT_EQ(::GetWindow(modul.OknoModulu(), GW_OWNER), nullptr);

    const HWND okno = modul.OknoModulu();
    const HANDLE handle = modul.HandleVlakna();
    modul.Spustit(soubor);
    EXPECT_EQ(modul.OknoModulu(), okno);
    EXPECT_EQ(modul.HandleVlakna(), handle);
    EXPECT_EQ(modul.IdVlakna(), vlaknoOkna);

    EXPECT_EQ(modul.Zastavit(), 0);
    EXPECT_FALSE(modul.Bezi());
    EXPECT_EQ(modul.HandleVlakna(), nullptr);
    EXPECT_FALSE(HandlePlatny(handle));  // closed by the owner after its wait
    EXPECT_FALSE(::IsWindow(okno));
    EXPECT_EQ(hlavni.CekatNaStav(), static_cast<int>(IdZdroju::kPrikazEditorObrazku));
    EXPECT_FALSE(hlavni.DalsiStav());  // exactly one start and one end, the second start added none
    EXPECT_EQ(modul.otevrene, std::vector<std::wstring>{soubor});
    ::DeleteFileW(soubor.c_str());
}

TEST(ModulNastroje, OknoZavreneUzivatelemUkonciVlaknoAHandleZavreAzVlastnik) {
    Aplikace aplikace(::GetModuleHandleW(nullptr));
    HlavniOknoTestu hlavni;
    ModulTestu modul;
    modul.Spustit(L"C:\\neexistuje\\zadny.jpg");
    ASSERT_EQ(hlavni.CekatNaStav(), static_cast<int>(IdZdroju::kPrikazEditorObrazku));
    ASSERT_TRUE(Cekat([&] { return modul.OknoModulu() != nullptr; }));
    const HANDLE handle = modul.HandleVlakna();
    HANDLE kopie = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), handle, ::GetCurrentProcess(), &kopie, SYNCHRONIZE, FALSE, 0));

    // The user closes the tool's window: its thread ends on its own.
    ::PostMessageW(modul.OknoModulu(), WM_CLOSE, 0, 0);
    EXPECT_EQ(hlavni.CekatNaStav(), static_cast<int>(IdZdroju::kPrikazEditorObrazku));
    EXPECT_FALSE(modul.Bezi());
    ASSERT_EQ(::WaitForSingleObject(kopie, kLimit), WAIT_OBJECT_0);
    ::CloseHandle(kopie);
    EXPECT_TRUE(HandlePlatny(handle));  // the thread did not close the handle it was waited on by
    EXPECT_EQ(modul.OknoModulu(), nullptr);

    modul.PoUkonceni();
    EXPECT_EQ(modul.HandleVlakna(), nullptr);
    EXPECT_FALSE(HandlePlatny(handle));
    EXPECT_TRUE(modul.otevrene.empty());  // a start file that does not exist is not opened

    // It starts again after that.
    modul.Spustit();
    EXPECT_TRUE(modul.Bezi());
    EXPECT_EQ(hlavni.CekatNaStav(), static_cast<int>(IdZdroju::kPrikazEditorObrazku));
    EXPECT_EQ(modul.Zastavit(), 0);
    EXPECT_FALSE(modul.Bezi());
}

TEST(ModulNastroje, ModulyAplikaceJejichPrikazyAPoradiZastaveni) {
    Aplikace aplikace(::GetModuleHandleW(nullptr));
    HlavniOknoTestu hlavni;
    const std::wstring koren = std::wstring(kKorenRegistru) + L"\\Parametry oken";

    // The tools' names are their windows' titles, which the whole-program test of the roles reads; the .prx
    // editor has no role of its own.
    for (UINT prikaz : {40102u, 40086u, 40065u, 40081u, 40063u}) {
        ModulNastroje* modul = ModulProPrikaz(prikaz);
        ASSERT_NE(modul, nullptr) << prikaz;
        EXPECT_EQ(modul->Prikaz(), prikaz);
    }
    EXPECT_EQ(ModulProPrikaz(40081)->Nazev(), L"Editor .prx souborů");
    EXPECT_EQ(ModulProPrikaz(IdZdroju::kPrikazKonec), nullptr);

    // Three tools in their frames, each on its own thread beside a visible window of this thread,
    // as the main window is; closing the main window ends them all while this thread only waits.
    HWND viditelne = ::CreateWindowExW(0, L"STATIC", L"Hlavní", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(viditelne);
    auto& editor = ModulEditorObrazku::Instance();
    auto& prehravac = ModulPrehravacVidea::Instance();
    auto& prx = *ModulProPrikaz(IdZdroju::kPrikazEditorPrx);
    editor.Spustit();
    prehravac.Spustit();
    prx.Spustit();
    ASSERT_TRUE(Cekat([&] { return editor.OknoModulu() && prehravac.OknoModulu() && prx.OknoModulu(); }));
    EXPECT_NE(editor.IdVlakna(), prehravac.IdVlakna());
    ZastavitModulyPredKamerami();  // neither of these runs: nothing to do
    EXPECT_TRUE(editor.Bezi());
    ZastavitModulyPoKamerach();
    EXPECT_FALSE(editor.Bezi());
    EXPECT_FALSE(prehravac.Bezi());
    EXPECT_FALSE(prx.Bezi());
    int stavu = 0;
    while (hlavni.CekatNaStav(0) != -1) ++stavu;
    EXPECT_EQ(stavu, 6);
    ::DestroyWindow(viditelne);

    // The network controller refuses a plain stop while it works; the application's close forces it.
    auto& ovladac = ModulSitovyOvladac::Instance();
    ovladac.Spustit();
    ASSERT_TRUE(Cekat([&] { return ovladac.OknoModulu() != nullptr; }));
    // Its window looks up the name of the stored address at opening; that ends on its own.
    ASSERT_TRUE(Cekat([&] { return !ovladac.Zaneprazdnen(); }));
    ovladac.NastavitZaneprazdnen(true);
    EXPECT_EQ(ModulProPrikaz(IdZdroju::kPrikazSitovyOvladac)->Zastavit(), 1);
    EXPECT_TRUE(ovladac.Bezi());
    EXPECT_TRUE(::IsWindow(ovladac.OknoModulu()));
    ZastavitModulyPredKamerami();
    EXPECT_FALSE(ovladac.Bezi());
    ovladac.NastavitZaneprazdnen(false);
    ovladac.Spustit();
    ASSERT_TRUE(Cekat([&] { return ovladac.OknoModulu() != nullptr; }));
    ASSERT_TRUE(Cekat([&] { return !ovladac.Zaneprazdnen(); }));
    EXPECT_EQ(ovladac.Zastavit(), 0);
    EXPECT_FALSE(ovladac.Bezi());
    UkliditModuly();

    for (const wchar_t* trida :
         {L"Tervik4EditorObrazku", L"Tervik4PrehravacVidea", L"Tervik4EditorPrx", L"Tervik4SitovyOvladac"})
        ::SHDeleteKeyW(HKEY_CURRENT_USER, (koren + L"\\" + trida).c_str());
}

TEST(ModulNastroje, ChybaModuluUkonciProcesSKodemMinusJedna) {
    Aplikace aplikace(::GetModuleHandleW(nullptr));
    const std::wstring popis = L"\n\nSystémový popis chyby:\n";

    // A window that does not close within the stop time-out.
    const VysledekDitete ukonceni = SpustitDite(L"ukonceni");
    EXPECT_EQ(ukonceni.kod, 0xFFFFFFFFu);
    EXPECT_PRED2(ZacinaNa, ukonceni.textOkna,
                 kZacatekFatalni + L"Chyba ukončení modulu \"Prohlížení a úprava snímků\"" + popis +
                     SystemovyPopis(HRESULT_FROM_WIN32(ERROR_TIMEOUT)));
    EXPECT_NE(ukonceni.textOkna.find(L"\n\nAplikace " + aplikace.Produkt() + L" bude ukončena."), std::wstring::npos);

    // An error raised on the module's thread.
    const VysledekDitete beh = SpustitDite(L"beh");
    EXPECT_EQ(beh.kod, 0xFFFFFFFFu);
    EXPECT_PRED2(ZacinaNa, beh.textOkna,
                 kZacatekFatalni + L"Chyba běhu modulu \"Prohlížení a úprava snímků\"" + popis +
                     L"Okno modulu nelze vytvořit.");

    // A module whose name cannot be loaded reports an invalid argument.
    const VysledekDitete nazev = SpustitDite(L"nazev");
    EXPECT_EQ(nazev.kod, 0xFFFFFFFFu);
    EXPECT_PRED2(ZacinaNa, nazev.textOkna, kZacatekFatalni + L"Chyba běhu modulu \"\"" + popis + SystemovyPopis(E_INVALIDARG));
}
