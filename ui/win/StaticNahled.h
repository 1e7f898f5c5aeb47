#pragma once

#include <windows.h>

#include <string>

#include "knihovna/Obdelnik.h"
#include "ui/win/ObjektGdiPrvku.h"
#include "ui/win/PodtridaOkna.h"

// A picture preview on an existing static: the file (read by GDI+, which the application has started)
// scaled down to fit with its aspect ratio, centred, never enlarged; kTextBezNahledu instead when
// there is no file or it cannot be read. The control paints itself (WM_PAINT and WM_PRINTCLIENT) and
// its window text names what it shows. The picture is kept only at the shown size, so the file
// stays unlocked; a resize reads it again.
class StaticNahled {
public:
    static constexpr const wchar_t* kTextBezNahledu = L"Náhled není k dispozici";

    StaticNahled() = default;
    ~StaticNahled();
    StaticNahled(const StaticNahled&) = delete;
    StaticNahled& operator=(const StaticNahled&) = delete;

    void Pripojit(HWND prvek);
    void Odpojit() noexcept;
    HWND Prvek() const { return podtrida_.Okno(); }

    // True when the file was read (the control then shows it).
    bool Zobrazit(const std::wstring& cesta);
    void Vyprazdnit();
    bool MaObrazek() const { return nacteno_; }
    const std::wstring& Cesta() const { return cesta_; }
    // Where the picture is drawn in the client area (empty without one).
    Knihovna::Obdelnik Umisteni() const { return umisteni_; }

private:
    bool Obsluha(UINT zprava, WPARAM wp, LPARAM lp, LRESULT& vysledek);
    bool Pripravit();
    void Kreslit(HDC dc);

    PodtridaOkna podtrida_;
    std::wstring cesta_;
    ObjektGdiPrvku<HBITMAP> obraz_;  // the picture at its shown size
    Knihovna::Obdelnik umisteni_{};
    bool nacteno_ = false;
};
