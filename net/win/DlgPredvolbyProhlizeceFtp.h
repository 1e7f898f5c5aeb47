#pragma once

#include <string>

#include "net/NastaveniProhlizeceFtp.h"
#include "ui/KopieHodnot.h"
#include "ui/win/DlgNastaveni.h"

// A copy of the FTP browser's preferences for its dialog.
class KopieNastaveniProhlizeceFtp : public KopieHodnot {
public:
    explicit KopieNastaveniProhlizeceFtp(const NastaveniProhlizeceFtp& n);
    std::uint32_t Filtr() const;
    void NastavitFiltr(std::uint32_t filtr);
    void Potvrdit(NastaveniProhlizeceFtp& cil);
};

// "Předvolby Prohlížeče souborů na FTP": one page from its table, with the three check boxes of the files the list
// shows. OK and "Použít" commit the values into the browser's settings and save them.
class DlgPredvolbyProhlizeceFtp : public DlgNastaveni {
public:
    static constexpr int kPrvniIdPrvku = 2000;
    static constexpr int kIdObrazky = 1970, kIdVidea = 1971, kIdVse = 1972;

    DlgPredvolbyProhlizeceFtp(NastaveniProhlizeceFtp& nastaveni, std::wstring produkt);

protected:
    bool Potvrdit() override;

private:
    NastaveniProhlizeceFtp& nastaveni_;
    KopieNastaveniProhlizeceFtp kopie_;
};
