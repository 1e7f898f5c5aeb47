#pragma once

#include <windows.h>

#include "app/RozhraniSeznamuKamer.h"

class Aplikace;

// The camera list's dialogs and messages through the application object: message boxes with the
// product name as caption, the text input dialog, and the program started again by the shell.
class RozhraniSeznamuKamerWin final : public RozhraniSeznamuKamer {
public:
    explicit RozhraniSeznamuKamerWin(Aplikace& aplikace) : aplikace_(aplikace) {}

    // The window the text input dialog belongs to (the main window), or none.
    void NastavitVlastnika(HWND vlastnik) { vlastnik_ = vlastnik; }

    std::wstring Text(std::uint32_t id) override;
    bool ZadatText(const std::wstring& vyzva, std::wstring& text, std::size_t maxDelka) override;
    void HlasitChybu(const std::wstring& text) override;
    void HlasitChybuCom(const std::wstring& text, const Knihovna::Chyba& chyba) override;
    [[noreturn]] void HlasitFatalniChybu(const std::wstring& text, const Knihovna::Chyba& chyba) override;
    bool ZeptatSe(const std::wstring& text, bool anoVychozi, bool varovani) override;
    void SpustitSebe(const std::wstring& parametry) override;
    void ZapsatLog(const std::wstring& text) override;

private:
    int Zprava(const std::wstring& text, UINT styl);

    Aplikace& aplikace_;
    HWND vlastnik_ = nullptr;
};
