// Record files: the reader walks any text to its end in a bounded number of steps, and each store either refuses
// the file (its error path) or loads records that it saves and loads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Pomocne.h"
#include "email/RecordReader.h"
#include "email/SeznamFtpMist.h"
#include "email/SeznamUctu.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

// Whether the reader took the whole text for records of the tag.
bool ProjitCtenarem(const std::wstring& text, const std::wstring& tag) {
    RecordReader ctenar;
    ctenar.NastavitText(text);
    // Each record found starts past the previous one: more records than characters is a loop.
    std::size_t zaznamu = 0;
    std::wstring hodnota;
    while (ctenar.NextRecord(tag) == 0) {
        if (++zaznamu > text.size()) std::abort();
        for (const wchar_t* pole : {L"email", L"heslo", L"server", L"zabezpeceni", L"pasivniRezim"})
            ctenar.Field(pole, hodnota);
    }
    return !ctenar.ZbyvaNeprectenyText(tag);
}

bool Stejne(const EmailovyUcet& a, const EmailovyUcet& b) {
    return a.email == b.email && a.heslo == b.heslo && a.id == b.id && a.jmeno == b.jmeno && a.server == b.server &&
           a.zabezpeceni == b.zabezpeceni;
}

bool Stejne(const FtpMisto& a, const FtpMisto& b) {
    return a.heslo == b.heslo && a.pasivniRezim == b.pasivniRezim && a.server == b.server && a.slozka == b.slozka &&
           a.uzivatel == b.uzivatel;
}

// Loads the bytes as the store's file; what loads must save, and the saved file must load the same records.
template <class Seznam>
void NacistUlozitNacist(std::string_view bajty, const wchar_t* nazevSouboru) {
    const std::filesystem::path slozka = FuzzPomocne::SlozkaProces();
    FuzzPomocne::ZapsatSoubor(slozka / nazevSouboru, bajty);
    const auto hlaseni = [](const std::wstring&, const Knihovna::Chyba&) {};
    Seznam prvni(slozka.wstring(), hlaseni);
    if (!prvni.Nacist()) {
        // A file that could not be read is never overwritten.
        if (prvni.Ulozit() || !prvni.Zaznamy().empty()) std::abort();
        return;
    }
    const auto nactene = prvni.Zaznamy();
    if (!prvni.Ulozit()) std::abort();
    Seznam druhy(slozka.wstring(), hlaseni);
    if (!druhy.Nacist()) std::abort();
    const auto znovu = druhy.Zaznamy();
    if (znovu.size() != nactene.size()) std::abort();
    for (std::size_t i = 0; i < znovu.size(); ++i)
        if (!Stejne(znovu[i], nactene[i])) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bajty(reinterpret_cast<const char*>(data), size);
    const std::wstring text = Knihovna::DekodovatUtf16LE(bajty);
    const bool ucty = ProjitCtenarem(text, SeznamUctu::kZaznam);
    const bool mista = ProjitCtenarem(text, SeznamFtpMist::kZaznam);
    // The stores go through files: every text the reader accepts, and one in eight of the others for the
    // error path (the files keep the run far slower than the reader alone).
    const bool vzorek = (size > 0 && data[size / 2] % 8 == 0);
    if (ucty || vzorek) NacistUlozitNacist<SeznamUctu>(bajty, SeznamUctu::kNazevSouboru);
    if (mista || vzorek) NacistUlozitNacist<SeznamFtpMist>(bajty, SeznamFtpMist::kNazevSouboru);
    return 0;
}
