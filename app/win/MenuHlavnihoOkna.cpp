#include "app/win/MenuHlavnihoOkna.h"

#include "app/PolozkyHlavnihoOkna.h"
#include "app/win/Aplikace.h"

namespace MenuHlavnihoOkna {

namespace P = PolozkyHlavnihoOkna;

namespace {

void Pridat(HMENU menu, const P::Polozka& p, UINT pozice) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    if (!p.text) {
        mi.fMask = MIIM_FTYPE;
        mi.fType = MFT_SEPARATOR;
    } else {
        mi.fMask = MIIM_STRING | MIIM_ID;
        mi.wID = p.prikaz;
        mi.dwTypeData = const_cast<wchar_t*>(p.text);
        if (p.podmenu) {
            mi.fMask |= MIIM_SUBMENU;
            mi.hSubMenu = Vytvorit(p.podmenu);
            // The cameras are there from the start: an empty submenu would not even open.
            if (p.podmenu == P::kMenuSeznamKamer && mi.hSubMenu) NaplnitKamery(mi.hSubMenu);
        }
    }
    ::InsertMenuItemW(menu, pozice, TRUE, &mi);
}

}  // namespace

HMENU Vytvorit(std::uint32_t id, bool lista) {
    HMENU menu = lista ? ::CreateMenu() : ::CreatePopupMenu();
    if (!menu) return nullptr;
    UINT pozice = 0;
    for (const P::Polozka& p : P::Menu(id)) Pridat(menu, p, pozice++);
    return menu;
}

UINT PrikazPolozky(HMENU menu, UINT pozice) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_FTYPE;
    if (!::GetMenuItemInfoW(menu, pozice, TRUE, &mi) || (mi.fType & MFT_SEPARATOR)) return 0;
    return mi.wID;
}

void NaplnitKamery(HMENU menu) {
    while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
    auto& kamery = Aplikace::Instance().Kamery();
    const int pocet = std::min<int>(kamery.Pocet(), static_cast<int>(P::kMaxKamerVMenu));
    for (int i = 0; i < pocet; ++i) {
        const Tervik* k = kamery.Kamera(i);
        // A name may hold '&': doubled, it shows as itself instead of becoming a mnemonic.
        std::wstring text;
        for (wchar_t z : k->Jmeno()) text += z == L'&' ? std::wstring(L"&&") : std::wstring(1, z);
        ::AppendMenuW(menu, MF_STRING | (k->Bezi() ? MF_CHECKED : 0), P::kPrvniKamera + static_cast<UINT>(i),
                      text.c_str());
    }
    if (pocet == 0) ::AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, L"(žádná kamera)");
}

}  // namespace MenuHlavnihoOkna
