#pragma once

#include <windows.h>

#include <string>

#include "email/SeznamFtpMist.h"
#include "email/win/DlgZeSablony.h"

namespace Holvent::Email {

// Lets camera settings pick one FTP place from the list by its server.
class DlgVyberFtpMista : private DlgZeSablony {
public:
    static constexpr int kIdSeznam = 301;

    // server: the place to select at first (any letter case), may be empty.
    DlgVyberFtpMista(const SeznamFtpMist& mista, std::wstring server) : mista_(mista), server_(std::move(server)) {}

    // Modal; true when a place was chosen, which Misto() then holds.
    bool Zobrazit(HWND vlastnik);
    const FtpMisto& Misto() const { return misto_; }

private:
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    bool Vybrat(HWND okno);

    const SeznamFtpMist& mista_;
    std::wstring server_;
    std::vector<FtpMisto> seznam_;
    FtpMisto misto_;
};

}  // namespace Holvent::Email
