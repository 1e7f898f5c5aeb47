#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace Knihovna::WinApi {

// The icon of one window in the notification area of the taskbar.
class IkonaOznamovaciOblasti {
public:
    IkonaOznamovaciOblasti() = default;
    ~IkonaOznamovaciOblasti();
    IkonaOznamovaciOblasti(const IkonaOznamovaciOblasti&) = delete;
    IkonaOznamovaciOblasti& operator=(const IkonaOznamovaciOblasti&) = delete;

    // The owner window, the icon id and the callback message (lParam = the mouse message); before first use.
    void Nastavit(HWND okno, UINT id, UINT zpravaZpetna);
    bool Existuje() const { return existuje_; }
    // Adds the icon (or changes it when it exists); the tooltip is cut to 127 characters.
    // False when the shell refused.
    bool Zobrazit(HICON ikona, const std::wstring& tip);
    bool ZmenitTip(const std::wstring& tip);
    void Odebrat();
    // Druh 1 information with the icon's own picture, 2 warning, 3 error; title cut to 63, text to
    // 255 characters. False when the icon does not exist or the shell refused.
    bool Bublina(int druh, const std::wstring& titulek, const std::wstring& text);
    // Hides a shown balloon (an empty one replaces it).
    bool SkrytBublinu();
    // Whether balloons play the system's sound (on by default).
    void NastavitZvuk(bool zvuk) { zvuk_ = zvuk; }
    // After "TaskbarCreated": adds the icon again when it existed.
    void ObnovitPoRestartuShellu();

    HWND Okno() const { return okno_; }
    UINT Id() const { return id_; }
    const std::wstring& Tip() const { return tip_; }

private:
    NOTIFYICONDATAW Data(UINT priznaky) const;

    HWND okno_ = nullptr;
    UINT id_ = 0;
    UINT zpravaZpetna_ = 0;
    HICON ikona_ = nullptr;  // the caller's; not freed here
    std::wstring tip_;
    bool existuje_ = false;
    bool zvuk_ = true;
};

}  // namespace Knihovna::WinApi
