#pragma once

#include <string>

#include "email/SeznamFtpMist.h"
#include "ui/win/DlgNastStrankaTabulky.h"

// The page of a camera's FTP place: server, login, password (masked unless shown), passive mode, the folder chosen
// from the server's folders, the file name, and the button that fills the place from the FTP place store.
class DlgNastKamFtp : public DlgNastStrankaTabulky {
public:
    static constexpr int kIdVybratMisto = 1940;

    DlgNastKamFtp(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                  const Holvent::Email::SeznamFtpMist& mista, std::wstring produkt)
        : DlgNastStrankaTabulky(stranka, kopie, prvniId, L"pv"), mista_(mista), produkt_(std::move(produkt)) {}

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;

protected:
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;
    short RezervaDole() const override;
    bool VybratText(const ModelStranky::Hodnota& h, std::wstring& text) override;

private:
    Holvent::Email::FtpMisto Misto() const;
    void VybratMisto();

    const Holvent::Email::SeznamFtpMist& mista_;
    std::wstring produkt_;
};
