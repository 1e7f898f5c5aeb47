// The remote-control receiver's side: the request collected from bytes in any split, its command number, the
// reply of the command table and the list of allowed peers read from any text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Overeni.h"
#include "net/DalkoveOvladani.h"

using namespace DalkoveOvladani;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider f(data, size);
    const std::uint8_t stav = f.ConsumeIntegral<std::uint8_t>();
    const std::uint32_t adresa = f.ConsumeIntegral<std::uint32_t>();
    const std::string bajty = f.ConsumeRemainingBytesAsString();

    // The whole request at once is what any split must give: up to the first zero byte, at most kMaxDelka bytes.
    SberPozadavku cely;
    cely.Pridat(bajty);
    cely.KonecOdesilani();
    const std::string ocekavany = bajty.substr(0, std::min(bajty.find('\0'), SberPozadavku::kMaxDelka));
    OVERIT(cely.Text() == ocekavany);

    // Pieces as recv gives them: never more than Zbyva(); the piece sizes come from the bytes themselves.
    SberPozadavku sber;
    std::size_t pozice = 0, kus = 0;
    while (!sber.Hotovo() && pozice < bajty.size()) {
        const std::size_t chci = 1 + static_cast<std::uint8_t>(bajty[kus++ % bajty.size()]) % 97;
        const std::size_t n = std::min({chci, sber.Zbyva(), bajty.size() - pozice});
        OVERIT(n > 0);
        sber.Pridat(std::string_view(bajty).substr(pozice, n));
        pozice += n;
    }
    if (!sber.Hotovo()) sber.KonecOdesilani();
    OVERIT(sber.Hotovo() && sber.Zbyva() == 0);
    OVERIT(sber.Text() == ocekavany);

    const std::int32_t cislo = CisloPrikazu(sber.Text());
    OVERIT(cislo >= -1 && cislo <= 99999);
    if (cislo >= 0) {
        StavKamery k;
        k.existuje = stav & 1;
        k.zapnuta = stav & 2;
        k.video = stav & 4;
        k.serverHttp = stav & 8;
        k.autoFtp = stav & 16;
        k.autoEmail = stav & 32;
        k.prikazDostupny = stav & 64;
        const Vysledek v = Vyhodnotit(static_cast<std::uint32_t>(cislo), k);
        OVERIT(!v.odpoved.empty());
        // Nothing is posted to a camera that is missing or off, and only the commands of the table are posted.
        if (v.prijemce == Prijemce::VychoziKamera)
            OVERIT(k.existuje && k.zapnuta && v.prikaz != 0 && v.prikaz == PrikazKamery(static_cast<std::uint32_t>(cislo)));
        if (v.prijemce == Prijemce::HlavniOkno) OVERIT(v.prikaz == static_cast<std::uint32_t>(cislo));
        if (v.prijemce == Prijemce::Nikdo) OVERIT(v.prikaz == 0);
        const std::string odpoved = BajtyOdpovedi(v.odpoved);
        OVERIT(odpoved.find('\0') == odpoved.size() - 1);
    }

    // The same bytes as the allowed-peers setting (Windows-1250-like: one character per byte).
    std::wstring seznam(bajty.begin(), bajty.end());
    for (wchar_t& z : seznam) z = static_cast<wchar_t>(static_cast<unsigned char>(z));
    std::vector<std::wstring> chyby;
    const PovoleneAdresy povolene = PovoleneAdresy::Nacist(seznam, chyby);
    // Only a setting of separators alone lets everyone in; a list of nothing but bad entries lets nobody in.
    const bool jenOddelovace = seznam.find_first_not_of(L";, \t\r\n") == std::wstring::npos;
    OVERIT(povolene.Vsechny() == jenOddelovace);
    OVERIT(!povolene.Vsechny() || chyby.empty());
    if (!chyby.empty() && seznam.find_first_of(L"0123456789") == std::wstring::npos) OVERIT(!povolene.Povolena(adresa));
    HlaseniOdmitnuti hlaseni;
    OVERIT(hlaseni.Hlasit(adresa, 0) && !hlaseni.Hlasit(adresa, HlaseniOdmitnuti::kPerioda - 1));
    return 0;
}
