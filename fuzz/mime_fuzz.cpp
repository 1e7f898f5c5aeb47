// The MIME composer with hostile subjects, display names, texts and file names (line breaks, NUL, "=?", long
// words, any Unicode): the message must read back strictly (no header line that is not one of the composer's,
// no bare line break, every part and encoding well formed) with the same subject, sender's name, texts, and
// attachment names and bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "MimeRozbor.h"
#include "Pomocne.h"
#include "email/Kodovani.h"
#include "email/Windows1250.h"
#include "email/Zprava.h"
#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/Text.h"

using namespace Holvent::Email;

namespace {

// The composed message, shown with a finding.
const std::string* gDrat = nullptr;

[[noreturn]] void Nalez(const std::string& co) {
    std::fprintf(stderr, "mime: %s\n", co.c_str());
    if (gDrat) std::fprintf(stderr, "--- zpráva:\n%.4000s\n---\n", gDrat->c_str());
    std::abort();
}

std::wstring Text(FuzzedDataProvider& d, std::size_t nejvys) {
    return Knihovna::ZUtf8(d.ConsumeRandomLengthString(nejvys));
}

std::wstring BezZalomeni(std::wstring t) {
    for (wchar_t& z : t)
        if (z == L'\r' || z == L'\n') z = L' ';
    return t;
}

std::wstring Orezat(const std::wstring& t) {
    const std::size_t a = t.find_first_not_of(L" \t"), b = t.find_last_not_of(L" \t");
    return a == std::wstring::npos ? std::wstring() : t.substr(a, b - a + 1);
}

// The text of a part's bytes in its declared charset.
std::wstring ZCharsetu(const std::string& bajty, const std::string& charset) {
    if (charset == "utf-8") return Knihovna::ZUtf8(bajty);
    if (charset == "windows-1250") return ZWindows1250(bajty);
    if (charset == "iso-8859-1" || charset == "us-ascii") {
        std::wstring t;
        for (unsigned char b : bajty) t.push_back(static_cast<wchar_t>(b));
        return t;
    }
    Nalez("neznámá znaková sada " + charset);
}

// The display name before "<address>" in From: a quoted string or encoded words.
std::wstring JmenoOdesilatele(const std::string& hodnota) {
    const std::size_t lt = hodnota.rfind(" <");
    if (lt == std::string::npos) return {};
    const std::string jmeno = hodnota.substr(0, lt);
    std::string vysledek, chyba;
    if (!jmeno.empty() && jmeno[0] == '"') {
        if (jmeno.size() < 2 || jmeno.back() != '"') Nalez("jméno odesílatele bez uvozovek na konci");
        for (std::size_t i = 1; i + 1 < jmeno.size(); ++i) {
            if (jmeno[i] == '"') Nalez("neuvozené uvozovky ve jménu odesílatele");
            if (jmeno[i] == '\\') ++i;
            vysledek.push_back(jmeno[i]);
        }
    } else if (!MimeRozbor::DekodovatSlova(jmeno, vysledek, chyba)) {
        Nalez("jméno odesílatele: " + chyba);
    }
    return Knihovna::ZUtf8(vysledek);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider d(data, size);
    FuzzPomocne::PevneHodiny hodiny;
    Zprava zprava(hodiny);
    zprava.zoneOffset = 100;
    zprava.senderAddress = L"kamera@example.cz";
    zprava.recipientAddress = L"dvur@example.cz";
    zprava.subject = Text(d, 300);
    zprava.senderName = Text(d, 100);
    zprava.recipientName = Text(d, 100);
    if (d.ConsumeBool()) zprava.furtherTo.push_back({Text(d, 60), L"dalsi@example.cz"});

    static constexpr const wchar_t* kCharsety[] = {L"iso-8859-1", L"utf-8", L"windows-1250", L"us-ascii", L"koi8-r"};
    static constexpr EncodingKind kKodovani[] = {EncodingKind::Automaticky, EncodingKind::QuotedPrintable,
                                                 EncodingKind::Base64};
    const int casti = d.ConsumeIntegralInRange(0, 2);
    for (int i = 0; i < casti; ++i) {
        CastZpravy cast;
        cast.charset = kCharsety[d.ConsumeIntegralInRange(0, 4)];
        cast.encoding = kKodovani[d.ConsumeIntegralInRange(0, 2)];
        if (d.ConsumeBool()) cast.contentType = L"text/html";
        cast.text = Text(d, 400);
        zprava.bodyParts.push_back(std::move(cast));
    }
    const int prilohy = d.ConsumeIntegralInRange(0, 2);
    std::vector<std::string> obsahy;
    for (int i = 0; i < prilohy; ++i) {
        Priloha priloha;
        priloha.fileName = Text(d, 150);
        priloha.inlinePriloha = d.ConsumeBool();
        obsahy.push_back(d.ConsumeRandomLengthString(600));
        const auto cesta = FuzzPomocne::SlozkaProces() / ("priloha" + std::to_string(i) + ".dat");
        FuzzPomocne::ZapsatSoubor(cesta, obsahy.back());
        priloha.path = cesta.wstring();
        zprava.attachments.push_back(std::move(priloha));
    }
    if (d.ConsumeBool()) zprava.multipartKind = MultipartKind::Related;

    const auto zadane = zprava;  // Compose adds its headers to the message
    std::string drat;
    gDrat = &drat;
    try {
        if (!zprava.Compose(drat).empty()) Nalez("příloha vynechána");
    } catch (const Knihovna::Chyba&) {
        Nalez("zpráva nejde sestavit");
    }

    MimeRozbor::Zprava rozbor;
    std::string chyba;
    if (!MimeRozbor::Rozebrat(drat, rozbor, chyba)) Nalez(chyba);

    // Only the composer's own headers, each once: a line break of a text would have made another.
    static const std::set<std::string> kZnama = {
        "date", "subject", "to", "from", "mime-version", "x-priority", "x-msmail-priority", "x-mailer", "importance",
        "content-type", "content-transfer-encoding", "content-disposition"};
    std::set<std::string> videne;
    for (const auto& h : rozbor.hlavicky)
        if (!kZnama.count(h.nazev) || !videne.insert(h.nazev).second) Nalez("cizí nebo zdvojená hlavička " + h.nazev);

    const std::string* predmet = MimeRozbor::Najit(rozbor.hlavicky, "subject");
    std::string predmet8;
    if (!predmet || !MimeRozbor::DekodovatSlova(*predmet, predmet8, chyba)) Nalez("předmět: " + chyba);
    if (Orezat(Knihovna::ZUtf8(predmet8)) != Orezat(BezZalomeni(zadane.subject))) Nalez("jiný předmět");

    const std::string* od = MimeRozbor::Najit(rozbor.hlavicky, "from");
    if (!od || JmenoOdesilatele(*od) != BezZalomeni(zadane.senderName)) Nalez("jiné jméno odesílatele");

    std::size_t textu = 0, souboru = 0;
    for (const MimeRozbor::List& list : rozbor.listy) {
        if (list.dispozice.empty()) {
            if (textu >= zadane.bodyParts.size()) Nalez("textová část navíc");
            const CastZpravy& cast = zadane.bodyParts[textu++];
            std::wstring ocekavany = cast.text;
            if (Knihovna::StejneBezVelikosti(cast.charset, L"windows-1250")) ocekavany = ZWindows1250(NaWindows1250(ocekavany));
            const auto charset = list.parametry.find("charset");
            if (charset == list.parametry.end()) Nalez("text bez znakové sady");
            if (FuzzPomocne::NormalizovatKonceRadku(ZCharsetu(list.obsah, charset->second)) !=
                FuzzPomocne::NormalizovatKonceRadku(ocekavany))
                Nalez("jiný text části");
            continue;
        }
        if (souboru >= zadane.attachments.size()) Nalez("příloha navíc");
        const std::size_t i = souboru++;
        if (list.dispozice != (zadane.attachments[i].inlinePriloha ? "inline" : "attachment")) Nalez("jiná dispozice");
        std::wstring jmeno = zadane.attachments[i].fileName;
        if (jmeno.empty()) jmeno = L"priloha" + std::to_wstring(i) + L".dat";
        const auto filename = list.parametryDispozice.find("filename");
        const auto name = list.parametry.find("name");
        if (filename == list.parametryDispozice.end() || name == list.parametry.end() || filename->second != name->second)
            Nalez("jméno přílohy chybí nebo se liší");
        if (Knihovna::ZUtf8(filename->second) != BezZalomeni(jmeno)) Nalez("jiné jméno přílohy");
        // A text file may travel with CR LF line ends (its canonical form); any other file byte for byte.
        const bool text = list.typ.starts_with("text/");
        if (text ? FuzzPomocne::NormalizovatKonceRadku(list.obsah) != FuzzPomocne::NormalizovatKonceRadku(obsahy[i])
                 : list.obsah != obsahy[i])
            Nalez("jiný obsah přílohy");
    }
    if (textu != zadane.bodyParts.size() || souboru != zadane.attachments.size()) Nalez("chybí část");
    return 0;
}
