#include "ui/win/DlgNastStrankaTabulky.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "app/win/Aplikace.h"
#include "email/win/DlgUpravyZaznamu.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Chyba.h"
#include "ui/KlavesyPopisku.h"
#include "ui/RozvrzeniStranky.h"
#include "ui/win/EditSlozka.h"
#include "ui/win/EditSoubor.h"
#include "ui/win/OznameniPrvku.h"

namespace M = ModelStranky;
using Holvent::Email::SablonaDialogu;
using Holvent::Email::TextPrvku;

namespace {

constexpr WORD kComboBox = 0x0085;
using RozvrzeniStranky::kSirkaCisla;
using RozvrzeniStranky::kSirkaPopisku;

const wchar_t* kTextZmenitBarvu = L"Změnit barvu...";
const wchar_t* kTextZmenitPismo = L"Změnit písmo...";
const wchar_t* kFiltrObrazku = L"Obrázky (*.bmp;*.jpg;*.png;*.gif;*.tif)|*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff|"
                               L"Všechny soubory (*.*)|*.*";

// An edit control breaks lines only at CR LF: a bare line feed of the stored text gets its CR for showing.
std::wstring SKoncemRadkuCrLf(const std::wstring& text) {
    std::wstring vysledek;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) vysledek += L'\r';
        vysledek += text[i];
    }
    return vysledek;
}

}  // namespace

DlgNastStrankaTabulky::DlgNastStrankaTabulky(const M::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                                             std::wstring obsazeneKlavesy)
    : stranka_(stranka), kopie_(kopie), prvniId_(prvniId), obsazeneKlavesy_(std::move(obsazeneKlavesy)) {}

DlgNastStrankaTabulky::~DlgNastStrankaTabulky() = default;

int DlgNastStrankaTabulky::IdOvladace(const M::Hodnota& h) const {
    for (const Radek& p : radky_)
        if (p.hodnota == &h) return p.id;
    return -1;
}

void DlgNastStrankaTabulky::Vytvorit(SablonaDialogu& sablona, const Oblast& o) {
    // Every text of the page gets its own access key: the labels and the colour and font buttons.
    std::vector<std::wstring> texty;
    for (const M::Hodnota& h : stranka_.hodnoty) {
        texty.emplace_back(h.popisek);
        if (h.ovladac == M::Ovladac::Barva) texty.emplace_back(kTextZmenitBarvu);
        if (h.ovladac == M::Ovladac::Pismo) texty.emplace_back(kTextZmenitPismo);
    }
    texty = PridatKlavesyPopisku(texty, obsazeneKlavesy_);
    std::vector<std::wstring> popisky, tlacitka;
    for (std::size_t i = 0, t = 0; i < stranka_.hodnoty.size(); ++i) {
        popisky.push_back(texty[t++]);
        const auto ovladac = stranka_.hodnoty[i].ovladac;
        tlacitka.push_back(ovladac == M::Ovladac::Barva || ovladac == M::Ovladac::Pismo ? texty[t++] : L"");
    }

    const auto rozvrzeni = RozvrzeniStranky::Rozlozit(stranka_.hodnoty, {o.x, o.y, o.sirka, o.vyska}, RezervaDole());
    radky_.clear();
    short spodek = o.y;
    for (std::size_t i = 0; i < stranka_.hodnoty.size(); ++i) {
        const M::Hodnota& h = stranka_.hodnoty[i];
        const RozvrzeniStranky::Radek& r = rozvrzeni[i];
        const short x = r.x, w = r.sirka;
        short y = r.y;
        const std::wstring& popisek = popisky[i];
        const WORD id = static_cast<WORD>(prvniId_ + kIdNaHodnotu * static_cast<int>(i));
        Radek p{&h, id + 1, nullptr, nullptr, nullptr, nullptr, nullptr};
        if (h.nadpis) {
            Pridat(sablona, SS_LEFT | SS_NOPREFIX, x, y, w, 8, static_cast<WORD>(id + 3), SablonaDialogu::kPopisek,
                   h.nadpis);
            y = static_cast<short>(y + RozvrzeniStranky::kVyskaNadpisu);
        }
        const bool nahore = r.popisekNahore;
        const short xOvladace = nahore ? x : static_cast<short>(x + kSirkaPopisku + 5);
        const short wOvladace = static_cast<short>(x + w - xOvladace);
        auto popisekRadku = [&](short vyskaRadku) {
            if (nahore) {
                Pridat(sablona, SS_LEFT, x, y, w, 8, id, SablonaDialogu::kPopisek, popisek);
                y += 10;
            } else {
                Pridat(sablona, SS_LEFT, x, static_cast<short>(y + (vyskaRadku - 8) / 2), kSirkaPopisku, 8, id,
                       SablonaDialogu::kPopisek, popisek);
            }
        };
        switch (h.ovladac) {
        case M::Ovladac::Zaskrtnuti:
            Pridat(sablona, BS_AUTOCHECKBOX | BS_MULTILINE | BS_TOP | WS_TABSTOP | (h.vzdyZapnuto ? WS_DISABLED : 0), x, y,
                   w, static_cast<short>(RozvrzeniStranky::VyskaOvladace(h, w) - 4), id + 1, SablonaDialogu::kTlacitko,
                   popisek);
            break;
        case M::Ovladac::Cislo:
            popisekRadku(12);
            Pridat(sablona, ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, xOvladace, y, kSirkaCisla, 12, id + 1,
                   SablonaDialogu::kEdit);
            if (h.vysvetlivka)
                Pridat(sablona, SS_LEFT | SS_NOPREFIX, static_cast<short>(xOvladace + kSirkaCisla + 4), y + 2,
                       static_cast<short>(x + w - xOvladace - kSirkaCisla - 4), 8, id + 2, SablonaDialogu::kPopisek);
            p.cislo = std::make_unique<EditCislo>(h.min, h.max);
            break;
        case M::Ovladac::Text:
        case M::Ovladac::Heslo:
            popisekRadku(12);
            Pridat(sablona, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (h.ovladac == M::Ovladac::Heslo ? ES_PASSWORD : 0),
                   xOvladace, y, wOvladace, 12, id + 1, SablonaDialogu::kEdit);
            break;
        case M::Ovladac::VyceradkovyText:
            popisekRadku(12);
            Pridat(sablona, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP, x, y, w,
                   RozvrzeniStranky::VyskaTextu(h), id + 1, SablonaDialogu::kEdit);
            break;
        case M::Ovladac::VyberTextu:
        case M::Ovladac::Vyber:
            popisekRadku(12);
            Pridat(sablona, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, xOvladace, y, wOvladace, 100, id + 1, kComboBox);
            break;
        case M::Ovladac::Slozka:
        case M::Ovladac::Soubor:
        case M::Ovladac::TextSVyberem:
            Pridat(sablona, SS_LEFT, x, y, w, 8, id, SablonaDialogu::kPopisek, popisek);
            y += 10;
            Pridat(sablona, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x, y, static_cast<short>(w - 28), 12, id + 1,
                   SablonaDialogu::kEdit);
            Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(x + w - 24), y, 24, 12, id + 2,
                   SablonaDialogu::kTlacitko, L"...");
            if (h.ovladac == M::Ovladac::Slozka) p.cesta = std::make_unique<EditSlozka>(h.popisek);
            else if (h.ovladac == M::Ovladac::Soubor)
                p.cesta = std::make_unique<EditSoubor>(h.filtr ? h.filtr : kFiltrObrazku, false);
            break;
        case M::Ovladac::Barva:
            popisekRadku(14);
            Pridat(sablona, SS_NOTIFY, xOvladace, y + 1, 40, 12, id + 1, SablonaDialogu::kPopisek);
            Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(xOvladace + 45), y, 70, 14, id + 2,
                   SablonaDialogu::kTlacitko, tlacitka[i]);
            p.barva = std::make_unique<StaticBarva>();
            break;
        case M::Ovladac::Pismo: {
            // The font's description, and the button that opens the font dialog.
            popisekRadku(14);
            const short wPopisu = static_cast<short>(std::max(40, wOvladace - 75));
            Pridat(sablona, SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS | SS_CENTERIMAGE | SS_SUNKEN, xOvladace, y + 1, wPopisu,
                   12, id + 1, SablonaDialogu::kPopisek);
            Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(xOvladace + wPopisu + 5), y, 70, 14, id + 2,
                   SablonaDialogu::kTlacitko, tlacitka[i]);
            p.pismo = std::make_unique<StaticPismo>();
            break;
        }
        case M::Ovladac::Ikona:
            popisekRadku(12);
            Pridat(sablona, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, xOvladace, y, std::min<short>(wOvladace, 100), 150,
                   id + 1, WC_COMBOBOXEXW);
            break;
        case M::Ovladac::KvalitaJpeg:
            popisekRadku(16);
            Pridat(sablona, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, xOvladace, y, static_cast<short>(wOvladace - 55), 16,
                   id + 1, TRACKBAR_CLASSW);
            Pridat(sablona, SS_LEFT | SS_NOPREFIX, static_cast<short>(x + w - 50), y + 4, 50, 8, id + 2,
                   SablonaDialogu::kPopisek);
            p.kvalita = std::make_unique<TrackBarKvalitaJpeg>();
            break;
        case M::Ovladac::Vlastni:
            break;
        }
        spodek = std::max<short>(spodek, static_cast<short>(r.y + r.vyska));
        radky_.push_back(std::move(p));
    }
    volneY_ = static_cast<short>(spodek + 4);
}

void DlgNastStrankaTabulky::Naplnit() {
    for (Radek& p : radky_) {
        const M::Hodnota& h = *p.hodnota;
        HWND prvek = Prvek(p.id);
        switch (h.ovladac) {
        case M::Ovladac::Zaskrtnuti:
            ::SendMessageW(prvek, BM_SETCHECK, kopie_.Zobrazena(h) ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case M::Ovladac::Cislo:
            p.cislo->Pripojit(prvek);
            p.cislo->Nastavit(kopie_.Zobrazena(h));
            ZobrazitVysvetlivku(p);
            break;
        case M::Ovladac::Text:
        case M::Ovladac::TextSVyberem:
            ::SetWindowTextW(prvek, kopie_.Text(h).c_str());
            break;
        case M::Ovladac::Heslo:
            ::SetWindowTextW(prvek, kopie_.Text(h).c_str());
            Holvent::Email::MaskovatHeslo(
                Dialog(), p.id, !h.zobrazeniHesla || !std::get<bool>(kopie_.Ulozena(h.klic, h.zobrazeniHesla)));
            break;
        case M::Ovladac::VyceradkovyText:
            ::SetWindowTextW(prvek, SKoncemRadkuCrLf(kopie_.Text(h)).c_str());
            break;
        case M::Ovladac::VyberTextu:
            NaplnitVyberTextu(p, kopie_.Text(h));
            break;
        case M::Ovladac::Slozka:
        case M::Ovladac::Soubor:
            p.cesta->Pripojit(prvek, Prvek(p.id + 1));
            p.cesta->Nastavit(kopie_.Text(h));
            break;
        case M::Ovladac::Vyber: {
            const std::uint32_t hodnota = kopie_.Zobrazena(h);
            for (const M::Moznost& m : h.moznosti) {
                const LRESULT i = ::SendMessageW(prvek, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m.text));
                ::SendMessageW(prvek, CB_SETITEMDATA, i, m.hodnota);
                if (m.hodnota == hodnota) ::SendMessageW(prvek, CB_SETCURSEL, i, 0);
            }
            break;
        }
        case M::Ovladac::Barva:
            p.barva->Pripojit(prvek, Prvek(p.id + 1));
            p.barva->Nastavit(kopie_.Zobrazena(h));
            break;
        case M::Ovladac::Pismo:
            p.pismo->Pripojit(prvek, false);
            p.pismo->Nastavit(kopie_.Pismo(h));
            break;
        case M::Ovladac::Ikona: {
            // The program's images, each under its number from 1.
            ::SendMessageW(prvek, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Aplikace::Instance().SeznamObrazku(0)));
            for (std::uint32_t i = h.min; i <= h.max; ++i) {
                std::wstring text = std::to_wstring(i + 1);
                COMBOBOXEXITEMW polozka{};
                polozka.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
                polozka.iItem = -1;
                polozka.pszText = text.data();
                polozka.iImage = polozka.iSelectedImage = static_cast<int>(i);
                ::SendMessageW(prvek, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&polozka));
            }
            ::SendMessageW(prvek, CB_SETCURSEL, kopie_.Zobrazena(h) - h.min, 0);
            break;
        }
        case M::Ovladac::KvalitaJpeg:
            p.kvalita->Pripojit(prvek, Prvek(p.id + 1));
            p.kvalita->Nastavit(kopie_.Zobrazena(h));
            break;
        case M::Ovladac::Vlastni:
            break;
        }
    }
}

void DlgNastStrankaTabulky::ZobrazitVysvetlivku(const Radek& p) {
    if (!p.hodnota->vysvetlivka || !p.cislo) return;
    const auto c = p.cislo->Cislo();
    const std::wstring text =
        c && *c >= 0 && *c <= 0xFFFFFFFFLL ? M::Vysvetlivka(*p.hodnota, static_cast<std::uint32_t>(*c)) : L"";
    ::SetWindowTextW(Prvek(p.id + 1), text.c_str());
}

bool DlgNastStrankaTabulky::ZpracovatPrikaz(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    const WORD kod = HIWORD(wp);
    for (Radek& p : radky_) {
        if (id < p.id - 1 || id > p.id + 1) continue;
        if (p.cesta && p.cesta->Prikaz(wp, lp)) return true;
        if (p.barva && p.barva->Prikaz(wp, lp)) return true;
        if (p.hodnota->ovladac == M::Ovladac::TextSVyberem && id == p.id + 1 && kod == BN_CLICKED) {
            std::wstring text = TextPrvku(Dialog(), p.id);
            if (VybratText(*p.hodnota, text)) {
                ::SetWindowTextW(Prvek(p.id), text.c_str());
                OznamitZmenu();
            }
            return true;
        }
        if (p.pismo && id == p.id + 1 && kod == BN_CLICKED) {
            // The font button: the description shows the choice, which is reported as a change of the font.
            if (p.pismo->Vybrat()) OznamitZmenu();
            return true;
        }
        if (id == p.id && (kod == EN_CHANGE || kod == BN_CLICKED || kod == CBN_SELCHANGE || kod == kZmenaHodnoty)) {
            ZobrazitVysvetlivku(p);
            if (kod == BN_CLICKED) MaskovatHesla();
            OznamitZmenu();
        }
        return true;
    }
    return false;
}

std::optional<std::wstring> DlgNastStrankaTabulky::PrevzitRadek(Radek& p) {
    const M::Hodnota& h = *p.hodnota;
    switch (h.ovladac) {
    case M::Ovladac::Zaskrtnuti:
        if (h.vzdyZapnuto) return kopie_.Nastavit(h, 1);
        return kopie_.Nastavit(h, ::SendMessageW(Prvek(p.id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    case M::Ovladac::Cislo: {
        if (auto zprava = p.cislo->Overit()) return zprava;
        return kopie_.Nastavit(h, *p.cislo->Cislo());
    }
    case M::Ovladac::Text:
    case M::Ovladac::Heslo:
    case M::Ovladac::VyceradkovyText:
    case M::Ovladac::VyberTextu:
    case M::Ovladac::TextSVyberem:
        return kopie_.NastavitText(h, TextPrvku(Dialog(), p.id));
    case M::Ovladac::Slozka:
        if (auto zprava = static_cast<EditSlozka&>(*p.cesta).Overit()) return zprava;
        return kopie_.NastavitText(h, p.cesta->Text());
    case M::Ovladac::Soubor:
        if (auto zprava = static_cast<EditSoubor&>(*p.cesta).Overit()) return zprava;
        return kopie_.NastavitText(h, p.cesta->Text());
    case M::Ovladac::Vyber: {
        const LRESULT i = ::SendMessageW(Prvek(p.id), CB_GETCURSEL, 0, 0);
        return kopie_.Nastavit(h, i == CB_ERR ? -1 : static_cast<std::int64_t>(::SendMessageW(Prvek(p.id), CB_GETITEMDATA, i, 0)));
    }
    case M::Ovladac::Barva:
        return kopie_.Nastavit(h, p.barva->Barva());
    case M::Ovladac::Pismo:
        kopie_.NastavitPismo(h, p.pismo->Popis());
        return std::nullopt;
    case M::Ovladac::Ikona: {
        const LRESULT i = ::SendMessageW(Prvek(p.id), CB_GETCURSEL, 0, 0);
        return kopie_.Nastavit(h, i == CB_ERR ? -1 : static_cast<std::int64_t>(h.min) + i);
    }
    case M::Ovladac::KvalitaJpeg:
        // The bar's own position: it also holds a position set by a message, which the bar does not report.
        return kopie_.Nastavit(h, ::SendMessageW(Prvek(p.id), TBM_GETPOS, 0, 0));
    case M::Ovladac::Vlastni:
        break;  // the derived page takes it
    }
    return std::nullopt;
}

void DlgNastStrankaTabulky::NaplnitVyberTextu(const Radek& p, const std::wstring& vybrany) {
    HWND prvek = Prvek(p.id);
    ::SendMessageW(prvek, CB_RESETCONTENT, 0, 0);
    std::vector<std::wstring> moznosti = MoznostiTextu(*p.hodnota);
    // A stored choice that is no longer offered stays shown, so that confirming the page loses nothing.
    if (!vybrany.empty() && std::find(moznosti.begin(), moznosti.end(), vybrany) == moznosti.end())
        moznosti.push_back(vybrany);
    for (const std::wstring& m : moznosti) {
        const LRESULT i = ::SendMessageW(prvek, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m.c_str()));
        if (m == vybrany) ::SendMessageW(prvek, CB_SETCURSEL, i, 0);
    }
}

void DlgNastStrankaTabulky::ObnovitMoznostiTextu() {
    for (const Radek& p : radky_)
        if (p.hodnota->ovladac == M::Ovladac::VyberTextu) NaplnitVyberTextu(p, TextPrvku(Dialog(), p.id));
}

void DlgNastStrankaTabulky::MaskovatHesla() {
    for (const Radek& p : radky_) {
        const M::Hodnota& h = *p.hodnota;
        if (h.ovladac != M::Ovladac::Heslo || !h.zobrazeniHesla) continue;
        for (const Radek& prepinac : radky_)
            if (std::wstring(prepinac.hodnota->klic) == h.klic && std::wstring(prepinac.hodnota->jmeno) == h.zobrazeniHesla)
                Holvent::Email::MaskovatHeslo(Dialog(), p.id,
                                              ::SendMessageW(Prvek(prepinac.id), BM_GETCHECK, 0, 0) != BST_CHECKED);
    }
}

HWND DlgNastStrankaTabulky::PrvekHodnoty(const wchar_t* jmeno) const {
    for (const Radek& p : radky_)
        if (std::wstring(p.hodnota->jmeno) == jmeno) return Prvek(p.id);
    return nullptr;
}

bool DlgNastStrankaTabulky::Zprava(UINT zprava, WPARAM, LPARAM lp, INT_PTR& vysledek) {
    if (zprava != WM_COPYDATA) return false;
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    for (Radek& p : radky_) {
        if (!p.pismo || data->dwData != static_cast<ULONG_PTR>(p.id)) continue;
        if (data->cbData != sizeof(LOGFONTW) || !data->lpData) return false;
        LOGFONTW lf;
        std::memcpy(&lf, data->lpData, sizeof lf);
        lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
        p.pismo->Nastavit(lf);
        OznamitZmenu();
        vysledek = TRUE;
        return true;
    }
    return false;
}

std::optional<StrankaNastaveni::Odmitnuti> DlgNastStrankaTabulky::Prevzit() {
    for (Radek& p : radky_)
        if (auto zprava = PrevzitRadek(p)) return Odmitnuti{p.id, *zprava};
    return std::nullopt;
}
