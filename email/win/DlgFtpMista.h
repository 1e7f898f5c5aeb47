#pragma once

#include <windows.h>

#include <string>

#include "email/SeznamFtpMist.h"
#include "email/win/DlgSeznamuZaznamu.h"

namespace Holvent::Email {

// The list of FTP places with the details of the selected one; adds, edits and removes
// places, each change saved by the store.
class DlgFtpMista : public DlgSeznamuZaznamu<FtpMisto> {
public:
    // titulek: the caption of the dialog's message boxes (the product name).
    DlgFtpMista(SeznamFtpMist& mista, std::wstring titulek);

private:
    std::wstring ProblemNovehoKlice(const std::wstring& server) const override;
    bool UpravitZaznam(HWND vlastnik, FtpMisto& misto) const override;
    std::wstring Podrobnosti(const FtpMisto& misto) const override;
    std::wstring OtazkaOdebrani(const FtpMisto& misto) const override;

    SeznamFtpMist& mista_;
};

}  // namespace Holvent::Email
