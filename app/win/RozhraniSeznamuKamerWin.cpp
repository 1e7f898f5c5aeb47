#include "app/win/RozhraniSeznamuKamerWin.h"

#include <shellapi.h>

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Zdroje.h"
#include "ui/win/DlgZadaniTextu.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;

namespace {
constexpr UINT kZakladZpravy = MB_TASKMODAL | MB_SETFOREGROUND;
}

int RozhraniSeznamuKamerWin::Zprava(const std::wstring& text, UINT styl) {
    return ::MessageBoxW(nullptr, text.c_str(), aplikace_.Produkt().c_str(), styl);
}

std::wstring RozhraniSeznamuKamerWin::Text(std::uint32_t id) { return aplikace_.Text(id); }

bool RozhraniSeznamuKamerWin::ZadatText(const std::wstring& vyzva, std::wstring& text, std::size_t maxDelka) {
    DlgZadaniTextu dlg(aplikace_.Produkt(), vyzva, text, maxDelka);
    if (!dlg.Zobrazit(vlastnik_)) return false;
    text = dlg.Text();
    return true;
}

void RozhraniSeznamuKamerWin::HlasitChybu(const std::wstring& text) {
    Zprava(STeckouNaKonci(text), kZakladZpravy | MB_ICONERROR);  // 0x12010
}

void RozhraniSeznamuKamerWin::HlasitChybuCom(const std::wstring& text, const Chyba& chyba) {
    Zprava(TextyZprav::Chyba(text, aplikace_.PopisChybyCom(chyba)), kZakladZpravy | MB_ICONERROR);
}

void RozhraniSeznamuKamerWin::HlasitFatalniChybu(const std::wstring& text, const Chyba& chyba) {
    aplikace_.HlasitFatalniChybu(TextyZprav::SystemovyPopis(STeckouNaKonci(text), PopisChyby(chyba)));
}

bool RozhraniSeznamuKamerWin::ZeptatSe(const std::wstring& text, bool anoVychozi, bool varovani) {
    UINT styl = kZakladZpravy | MB_YESNOCANCEL | (varovani ? MB_ICONWARNING : MB_ICONQUESTION);
    if (!anoVychozi) styl |= MB_DEFBUTTON2;
    return Zprava(text, styl) == IDYES;
}

void RozhraniSeznamuKamerWin::SpustitSebe(const std::wstring& parametry) {
    const std::wstring program = CestaModulu(nullptr);
    const auto r = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", program.c_str(), parametry.c_str(), nullptr, SW_SHOW));
    if (r <= 32) {
        const DWORD kod = ::GetLastError();
        HlasitChybuCom(L"Kameru nelze spustit v samostatném procesu",
                       Chyba(HresultZWin32(kod ? kod : static_cast<DWORD>(r)), {}));
    }
}

void RozhraniSeznamuKamerWin::ZapsatLog(const std::wstring& text) { aplikace_.ZapsatLog(text); }
