#pragma once

#include <functional>
#include <string>
#include <vector>

#include "email/SeznamUctu.h"
#include "ui/win/DlgNastStrankaTabulky.h"

// The page of a camera's e-mail sender and recipients: the sender account chosen from the account store (the
// button opens the store's dialog), the recipient, the further recipients, and the link that sends a plain test
// message with what the pages show.
class DlgNastKamEmail : public DlgNastStrankaTabulky {
public:
    static constexpr int kIdUcty = 1930, kIdTest = 1931;
    static constexpr const wchar_t* kTextTestu = L"Odeslat testovací (textovou) emailovou zprávu";

    // testovaciEmail: takes the pages' values and sends the message (null: the link is greyed).
    DlgNastKamEmail(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                    Holvent::Email::SeznamUctu& ucty, std::wstring produkt, std::function<void(HWND)> testovaciEmail)
        : DlgNastStrankaTabulky(stranka, kopie, prvniId, L"pt"), ucty_(ucty), produkt_(std::move(produkt)),
          testovaciEmail_(std::move(testovaciEmail)) {}

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;
    bool Zprava(UINT zprava, WPARAM wp, LPARAM lp, INT_PTR& vysledek) override;

protected:
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;
    short RezervaDole() const override;
    std::vector<std::wstring> MoznostiTextu(const ModelStranky::Hodnota& h) override;

private:
    void OdeslatTest();

    Holvent::Email::SeznamUctu& ucty_;
    std::wstring produkt_;
    std::function<void(HWND)> testovaciEmail_;
};
