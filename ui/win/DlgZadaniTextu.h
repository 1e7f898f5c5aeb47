#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// A small modal dialog that asks for one line of text: a prompt, an edit box with a length limit,
// "OK" and "Storno". The template is built in memory, so any module can show it.
class DlgZadaniTextu {
public:
    static constexpr int kIdVyzvy = 1001;
    static constexpr int kIdTextu = 1002;

    DlgZadaniTextu(std::wstring titulek, std::wstring vyzva, std::wstring text, std::size_t maxDelka);

    // Modal; true on OK, and Text() is then what was entered. A failure to create it raises.
    bool Zobrazit(HWND vlastnik);
    const std::wstring& Text() const { return text_; }

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);

    std::wstring titulek_;
    std::wstring vyzva_;
    std::wstring text_;
    std::size_t maxDelka_;
};
