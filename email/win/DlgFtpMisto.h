#pragma once

#include <windows.h>

#include <string>

#include "email/FtpMisto.h"
#include "email/win/DlgUpravyZaznamu.h"

namespace Holvent::Email {

// Edits one FTP place: server, user, password, passive mode and folder.
class DlgFtpMisto : public DlgUpravyZaznamu<FtpMisto> {
public:
    static constexpr int kIdServer = 101;
    static constexpr int kIdUzivatel = 102;
    static constexpr int kIdHeslo = 103;
    static constexpr int kIdSlozka = 104;
    static constexpr int kIdZobrazitHeslo = 105;
    static constexpr int kIdPasivni = 106;

    // titulek: the caption of its message boxes (the product name).
    explicit DlgFtpMisto(FtpMisto misto, std::wstring titulek = {});

    // After Zobrazit returned true, the fields as entered.
    const FtpMisto& Misto() const { return zaznam_; }

private:
    void PridatOvladace(SablonaDialogu& sablona) const override;
    void VyplnitOstatni(HWND okno) const override;
    void PrecistOstatni(HWND okno) override;
};

}  // namespace Holvent::Email
