#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "knihovna/Chyba.h"

// What the camera list needs of the user and of the application: the string table, the text
// input dialog, message boxes (caption the product name) and starting a process.
class RozhraniSeznamuKamer {
public:
    virtual ~RozhraniSeznamuKamer() = default;

    virtual std::wstring Text(std::uint32_t id) = 0;
    // The text input dialog with a prompt, the initial text and the length limit; false on Cancel.
    virtual bool ZadatText(const std::wstring& vyzva, std::wstring& text, std::size_t maxDelka) = 0;
    virtual void HlasitChybu(const std::wstring& text) = 0;
    // The text and the error's description joined as "%s\n\nChyba: %s".
    virtual void HlasitChybuCom(const std::wstring& text, const Knihovna::Chyba& chyba) = 0;
    // A fault that leaves the process unusable: reported, then the process ends (a test double may throw).
    [[noreturn]] virtual void HlasitFatalniChybu(const std::wstring& text, const Knihovna::Chyba& chyba) = 0;
    // Yes/No/Cancel; true only for Yes.
    virtual bool ZeptatSe(const std::wstring& text, bool anoVychozi, bool varovani) = 0;
    // Starts the program's own executable again with these parameters; reports its own failure.
    virtual void SpustitSebe(const std::wstring& parametry) = 0;
    // One line in the application log.
    virtual void ZapsatLog(const std::wstring& text) = 0;
};
