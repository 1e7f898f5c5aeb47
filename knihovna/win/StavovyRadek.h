#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "knihovna/win/UnikatniHandle.h"

namespace Knihovna::WinApi {

// A status bar with a size grip, parts, texts and an icon per part. The window is a child of its
// parent and goes with it; the icons are made and freed here.
class StavovyRadek {
public:
    StavovyRadek() = default;
    ~StavovyRadek();
    StavovyRadek(const StavovyRadek&) = delete;
    StavovyRadek& operator=(const StavovyRadek&) = delete;

    void Vytvorit(HWND rodic, UINT id);
    HWND Hwnd() const { return hwnd_; }
    // Right edges of the parts; -1 as the last one runs to the edge.
    void NastavitCasti(const std::vector<int>& praveOkraje);
    void NastavitText(int cast, const std::wstring& text);
    std::wstring Text(int cast) const;
    // The icon of an image-list image in a part; index -1 removes it.
    void NastavitIkonu(int cast, HIMAGELIST obrazky, int index);
    // -1 when the part has no icon.
    int IndexIkony(int cast) const;
    // How many icons are held right now.
    int PocetIkon() const;
    // Call on the parent's WM_SIZE.
    void Prizpusobit();
    // 0 when hidden or not created.
    int Vyska() const;
    void Zobrazit(bool zobrazit);
    bool Viditelny() const;

private:
    struct IkonaCasti {
        UnikatniIkona ikona;
        int index = -1;
    };
    void OveritCast(int cast) const;
    void UvolnitIkony();

    HWND hwnd_ = nullptr;
    std::vector<IkonaCasti> ikony_;
};

}  // namespace Knihovna::WinApi
