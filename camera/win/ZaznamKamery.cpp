#include "camera/win/ZaznamKamery.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "camera/win/PrvkyOknaKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/MazaniDoKose.h"

using Holvent::DirectShow::ZachytavaniVidea;
namespace P = PrikazyKamery;

ZaznamKamery::ZaznamKamery(HWND okno, ParametryKamery& parametry, const std::wstring& jmenoKamery,
                           Knihovna::Registr& registr, std::wstring cestaKamery, const Knihovna::Hodiny& hodiny,
                           HlaseniCesty& hlaseni, Knihovna::WinApi::StavovyRadek& stavovyRadek, int castStavu,
                           std::function<void(bool)> prepnoutVideo, std::function<void()> obnovit)
    : okno_(okno), parametry_(parametry), hlaseni_(hlaseni), stavovyRadek_(stavovyRadek), castStavu_(castStavu),
      prepnoutVideo_(std::move(prepnoutVideo)), obnovit_(std::move(obnovit)),
      rizeni_(parametry, jmenoKamery, registr, std::move(cestaKamery), hodiny, *this) {}

bool ZaznamKamery::ProvestPrikaz(UINT prikaz, std::uintptr_t parametr, ZachytavaniVidea& zachytavani) {
    zachytavani_ = &zachytavani;
    switch (prikaz) {
    case P::kZaznamStart:
        if (!rizeni_.Bezi()) {
            sirkaNahledu_ = zachytavani.Sirka();
            vyskaNahledu_ = zachytavani.Vyska();
        }
        if (!zachytavani.GrafExistuje() && parametr != 1) ::MessageBeep(MB_ICONEXCLAMATION);
        rizeni_.SpustitZaznam(zachytavani, parametr == 1);
        break;
    case P::kZaznamKonec: rizeni_.UkoncitZaznam(zachytavani, KonecZaznamu::Rucne); break;
    case P::kSlozkaZaznamu: OtevritSlozku((::GetKeyState(VK_CONTROL) & 0x8000) != 0); break;
    case P::kSmazatZaznamy:
        if (!rizeni_.Bezi()) rizeni_.SmazatZaznamy();
        break;
    case P::kResetZaznamu: rizeni_.ResetovatCislovani(); break;
    case P::kTlacitkoZaznam: {
        // The split button ends a running recording whatever it is set to.
        const UINT zvoleny = rizeni_.Bezi()                                       ? P::kZaznamKonec
                             : parametry_.zaznamVidea.toolBarCommand == P::kSlozkaZaznamu ? P::kSlozkaZaznamu
                                                                                     : P::kZaznamStart;
        ::PostMessageW(okno_, WM_COMMAND, zvoleny, 0);
        break;
    }
    default: zachytavani_ = nullptr; return false;
    }
    zachytavani_ = nullptr;
    return true;
}

bool ZaznamKamery::Povolen(UINT prikaz, bool video) const {
    switch (prikaz) {
    case P::kZaznamStart: return video && !rizeni_.Bezi();
    case P::kZaznamKonec: return rizeni_.Bezi();
    case P::kSmazatZaznamy: return !rizeni_.Bezi();
    case P::kTlacitkoZaznam:
        return rizeni_.Bezi() || video || parametry_.zaznamVidea.toolBarCommand == P::kSlozkaZaznamu;
    default: return true;
    }
}

void ZaznamKamery::ZasedMenu(HMENU menu, bool video) const {
    for (UINT id : {P::kZaznamStart, P::kZaznamKonec, P::kSmazatZaznamy})
        ::EnableMenuItem(menu, id, MF_BYCOMMAND | (Povolen(id, video) ? MF_ENABLED : MF_GRAYED));
}

bool ZaznamKamery::Casovac(UINT_PTR id, ZachytavaniVidea& zachytavani) {
    zachytavani_ = &zachytavani;
    if (id == kCasovacZaznam) rizeni_.Tik(zachytavani);
    else if (id == kCasovacDelkaZaznamu) rizeni_.KonecDelky(zachytavani);
    zachytavani_ = nullptr;
    return id == kCasovacZaznam || id == kCasovacDelkaZaznamu;
}

void ZaznamKamery::MistoNaDisku(ZachytavaniVidea& zachytavani) {
    zachytavani_ = &zachytavani;
    rizeni_.MistoDosloNaDisku(zachytavani);
    zachytavani_ = nullptr;
}

void ZaznamKamery::Ukoncit(ZachytavaniVidea& zachytavani) {
    zachytavani_ = &zachytavani;
    rizeni_.UkoncitZaznam(zachytavani, KonecZaznamu::VypnutiVidea);
    zachytavani_ = nullptr;
}

void ZaznamKamery::OtevritSlozku(bool prozkoumat) {
    const std::wstring& slozka = parametry_.zaznamVidea.slozka;
    const DWORD atributy = slozka.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(slozka.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || !(atributy & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (reinterpret_cast<INT_PTR>(::ShellExecuteW(okno_, prozkoumat ? L"explore" : L"open", slozka.c_str(), nullptr,
                                                  nullptr, SW_SHOWNORMAL)) <= 32)
        hlaseni_.ZpravaCesty(3,
                             TextyZprav::Chyba(Knihovna::Formatovat(L"Složku \"%s\" nelze otevřít", slozka.c_str()),
                                               Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(::GetLastError()))),
                             1);
}

// ---- HostitelZaznamu

bool ZaznamKamery::NastavitCasovac(std::uintptr_t id, std::uint32_t perioda) {
    return ::SetTimer(okno_, id, perioda, nullptr) != 0;
}

void ZaznamKamery::ZrusitCasovac(std::uintptr_t id) { ::KillTimer(okno_, id); }

void ZaznamKamery::ChybovyDialog(const std::wstring& text) {
    hlaseni_.StavCesty(text);
    Aplikace::Instance().ZobrazitChybu(text);
}

void ZaznamKamery::Zprava(int druh, const std::wstring& text, std::uint32_t zpravaIkona) {
    hlaseni_.ZpravaCesty(druh, text, zpravaIkona);
    hlaseni_.LogKamery(text);
}

void ZaznamKamery::StavovyText(const std::wstring& text) { hlaseni_.StavCesty(text); }

void ZaznamKamery::IkonaZaznamu(bool zobrazit) {
    // While recording the icon blinks between its two pictures; after the end the part has none.
    const int obrazek = zobrazit ? PrvkyOknaKamery::kObrZaznam : rizeni_.Bezi() ? PrvkyOknaKamery::kObrZaznamBlik : -1;
    stavovyRadek_.NastavitIkonu(castStavu_, Aplikace::Instance().SeznamObrazku(0), obrazek);
}

void ZaznamKamery::TextZaznamu(const std::wstring& text) { stavovyRadek_.NastavitText(castStavu_, text); }

void ZaznamKamery::LogKamery(const std::wstring& text) { hlaseni_.LogKamery(text); }

void ZaznamKamery::UdalostKamery(const std::wstring& text) { hlaseni_.UdalostKamery(text, false); }

bool ZaznamKamery::ZeptatSe(const std::wstring& otazka) {
    return Aplikace::Instance().ZeptatSeAnoNe(otazka, false, true);
}

std::wstring ZaznamKamery::PopisChyby(const Knihovna::Chyba& chyba) {
    std::wstring popis = Aplikace::Instance().PopisChybyCom(chyba);
    // The capture object's own explanation, for an error that carries none (its last text may be an older one's).
    if (zachytavani_ && chyba.Text().empty() && !zachytavani_->PosledniChyba().empty())
        popis += L"\n" + zachytavani_->PosledniChyba();
    return popis;
}

std::vector<std::wstring> ZaznamKamery::SouboryVeSlozce(const std::wstring& slozka) {
    const DWORD atributy = slozka.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(slozka.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || !(atributy & FILE_ATTRIBUTE_DIRECTORY))
        Knihovna::Vyhodit(Knihovna::kE_INVALIDARG);
    std::wstring vzor = slozka;
    if (vzor.back() != L'\\' && vzor.back() != L'/') vzor += L'\\';
    vzor += L'*';
    std::vector<std::wstring> nazvy;
    WIN32_FIND_DATAW nalez{};
    HANDLE h = ::FindFirstFileW(vzor.c_str(), &nalez);
    if (h == INVALID_HANDLE_VALUE) return nazvy;
    do {
        if (!(nalez.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) nazvy.emplace_back(nalez.cFileName);
    } while (::FindNextFileW(h, &nalez));
    ::FindClose(h);
    return nazvy;
}

void ZaznamKamery::Smazat(const std::vector<std::wstring>& soubory) { Knihovna::WinApi::SmazatDoKose(soubory); }

bool ZaznamKamery::SouborExistuje(const std::wstring& cesta) {
    const DWORD atributy = ::GetFileAttributesW(cesta.c_str());
    return atributy != INVALID_FILE_ATTRIBUTES && !(atributy & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint64_t> ZaznamKamery::VolneMisto(const std::wstring& slozka) {
    ULARGE_INTEGER volne{};
    if (slozka.empty() || !::GetDiskFreeSpaceExW(slozka.c_str(), &volne, nullptr, nullptr)) return std::nullopt;
    return volne.QuadPart;
}

std::wstring ZaznamKamery::TextVelikosti(std::uint64_t bajty) {
    wchar_t text[64]{};
    if (!::StrFormatByteSizeW(static_cast<LONGLONG>(bajty), text, static_cast<UINT>(std::size(text))))
        return Knihovna::Formatovat(L"%llu B", static_cast<unsigned long long>(bajty));
    return text;
}

void ZaznamKamery::ObnovitNahled() {
    // The device off and on rebuilds the preview; the size it had before the recording is the one to come back.
    prepnoutVideo_(false);
    if (sirkaNahledu_ > 0 && vyskaNahledu_ > 0) {
        parametry_.video.sirka = sirkaNahledu_;
        parametry_.video.vyska = vyskaNahledu_;
    }
    prepnoutVideo_(true);
}

void ZaznamKamery::ObnovitPrikazy() { obnovit_(); }

void ZaznamKamery::PoslatPrikaz(std::uint32_t prikaz) { ::PostMessageW(okno_, WM_COMMAND, prikaz, 0); }

void ZaznamKamery::NedostatekMista(const std::wstring& text, std::uint32_t zpravaIkona) {
    if (hlaseniMista_) hlaseniMista_(text, zpravaIkona);
    else Zprava(3, text, zpravaIkona);
}
