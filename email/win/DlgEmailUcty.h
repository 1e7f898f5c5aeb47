#pragma once

#include <windows.h>

#include <string>

#include "email/SeznamUctu.h"
#include "email/win/DlgSeznamuZaznamu.h"

namespace Holvent::Email {

// The list of e-mail accounts with the details of the selected one; adds, edits and
// removes accounts, each change saved by the store.
class DlgEmailUcty : public DlgSeznamuZaznamu<EmailovyUcet> {
public:
    static constexpr int kIdHeslo = 206;

    // titulek: the caption of the dialog's message boxes (the product name).
    DlgEmailUcty(SeznamUctu& ucty, std::wstring titulek);

private:
    std::wstring ProblemNovehoKlice(const std::wstring& email) const override;
    bool UpravitZaznam(HWND vlastnik, EmailovyUcet& ucet) const override;
    std::wstring Podrobnosti(const EmailovyUcet& ucet) const override;
    std::wstring OtazkaOdebrani(const EmailovyUcet& ucet) const override;
    void PridatTlacitka(SablonaDialogu& sablona) const override;
    bool ProvestPrikaz(HWND okno, int id) override;
    void UkazatHeslo(HWND okno);

    SeznamUctu& ucty_;
};

}  // namespace Holvent::Email
