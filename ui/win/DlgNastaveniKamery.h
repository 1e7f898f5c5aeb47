#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "camera/ParametryKamery.h"
#include "email/SeznamFtpMist.h"
#include "email/SeznamUctu.h"
#include "ui/KopieParametruKamery.h"
#include "ui/RozvrzeniStranky.h"
#include "ui/win/DlgNastaveni.h"
#include "video/SeznamFormatu.h"

// A camera's settings dialog: the devices, the camera's pages, the disk snapshots, the e-mail snapshots with their
// addresses and message, the FTP snapshots with their place and the web page, one page per snapshot block, video
// recording with its AVI, WMV and naming pages, motion detection, the schedule and the log switches. OK and
// "Použít" commit the copy into the camera's record under its lock; the camera then applies and saves them: after
// "Použít" through poPouziti, after OK when Zobrazit returned true.
class DlgNastaveniKamery : public DlgNastaveni {
public:
    static constexpr int kPrvniIdPrvku = 2000;  // value i of the table's pages in order: 2000 + 4 i, + 1 its control
    // The camera's pages are longer than the application's: a larger area (dialog units).
    static constexpr short kSirkaStranky = RozvrzeniStranky::kOblastKamery.sirka,
                           kVyskaStranky = RozvrzeniStranky::kOblastKamery.vyska;

    struct Kontext {
        std::wstring jmeno;  // the camera's name
        std::wstring produkt;
        const SeznamZarizeni* video;
        const SeznamZarizeni* zvuk;
        std::function<std::wstring()> cestaLogu;  // the camera's log file
        std::function<void()> ulozit;     // the record holds the confirmed values: save them
        std::function<void()> poPouziti;  // "Použít" committed and saved the values: apply them
        // The e-mail page's link: send the plain test message with the values the pages show now; the answer
        // comes as a message box over the dialog (its window is the first argument).
        std::function<void(HWND dialog, const ParametryKamery& hodnoty)> testovaciEmail;
        // The formats of the camera's video device (empty until its video first ran), for the AVI page.
        std::vector<Holvent::DirectShow::FormatVidea> formaty = {};
        // The plug-in page (the last one, only with zmenaModulu): the list, and its change applied to the camera at
        // once (saved and loaded; raises when refused).
        std::vector<ZasuvnyModul> zasuvneModuly = {};
        std::function<void(const std::vector<ZasuvnyModul>&)> zmenaModulu = {};
    };

    // The e-mail and FTP pages choose from the application's account and place stores ...
    DlgNastaveniKamery(ParametryKamery& parametry, std::mutex& zamek, Kontext kontext);
    // ... or from these.
    DlgNastaveniKamery(ParametryKamery& parametry, std::mutex& zamek, Kontext kontext, Holvent::Email::SeznamUctu& ucty,
                       const Holvent::Email::SeznamFtpMist& mista);

    static std::wstring Titulek(const std::wstring& jmeno) { return L"Předvolby kamery " + jmeno; }

protected:
    bool Potvrdit() override;
    // The link of the e-mail page: the record as the pages show it, handed to the camera's test message.
    void TestovaciEmail(HWND dialog);
    void Pouzito() override;

private:
    ParametryKamery& parametry_;
    std::mutex& zamek_;
    Kontext kontext_;
    KopieParametruKamery kopie_;
    InfoZarizeni video_, zvuk_;          // the devices page's copies
    std::vector<std::uint32_t> casy_;    // the schedule page's copy
};
