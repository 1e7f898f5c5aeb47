#include "email/Zprava.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/Text.h"

namespace Holvent::Email {

namespace {

constexpr const wchar_t* kDny[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
constexpr const wchar_t* kMesice[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                      L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
constexpr const wchar_t* kPreambule = L"This is a multipart message in MIME format";
constexpr const wchar_t* kMailer = L"Tervik 4.8 (Dunmar Holvent, www.dunmarholvent.cz)";
constexpr std::size_t kDoporucenaDelkaRadku = 78;
constexpr std::size_t kMaxDelkaRadku = 998;

bool ZacinaText(const std::wstring& typ) {
    return typ.size() >= 5 && Knihovna::StejneBezVelikosti(std::wstring_view(typ).substr(0, 5), L"text/");
}

// Wide ASCII text (everything the composer writes outside the bodies) to wire bytes;
// anything else goes out as UTF-8.
void Pripsat(std::string& vystup, std::wstring_view text) {
    if (JenAscii(text)) {
        for (wchar_t z : text) vystup.push_back(static_cast<char>(z));
    } else {
        vystup += Knihovna::NaUtf8(text);
    }
}

// Header text never carries its own line breaks: a CR or LF would start a new header.
std::wstring BezZalomeni(std::wstring text) {
    for (wchar_t& z : text)
        if (z == L'\r' || z == L'\n') z = L' ';
    return text;
}

// Text that can stand in a quoted string of a header: visible ASCII, space and tab. Control characters (a NUL
// above all) go encoded like non-ASCII text.
bool TisknutelneAscii(std::wstring_view text) {
    for (wchar_t z : text)
        if ((z < 32 && z != L'\t') || z > 126) return false;
    return true;
}

// A display name before an address: quoted ASCII, or encoded words (which must not be quoted).
std::wstring ZobrazeneJmeno(const std::wstring& jmeno) {
    const std::wstring cisty = BezZalomeni(jmeno);
    // A name without white space to fold at, too long for one line, goes as encoded words.
    std::size_t beh = 0, nejdelsiBeh = 0;
    for (wchar_t z : cisty) {
        beh = (z == L' ' || z == L'\t') ? 0 : beh + 1;
        nejdelsiBeh = std::max(nejdelsiBeh, beh);
    }
    if (!TisknutelneAscii(cisty) || nejdelsiBeh > kMaxDelkaRadku / 2) return ZakodovatHlavicku(cisty, true) + L" ";
    std::wstring vysledek = L"\"";
    for (wchar_t z : cisty) {
        if (z == L'"' || z == L'\\') vysledek.push_back(L'\\');
        vysledek.push_back(z);
    }
    return vysledek + L"\" ";
}

// A file name parameter: quoted ASCII, or RFC 2231 UTF-8 with percent escapes (also for control characters). A name
// that would make a long line is cut into numbered RFC 2231 continuations, never inside
// an escape.
std::wstring ParametrJmena(const wchar_t* parametr, const std::wstring& jmeno) {
    constexpr std::size_t kDelkaKusu = 60;
    const std::wstring cisty = BezZalomeni(jmeno);
    std::vector<std::wstring> kusy(1);
    const bool ascii = TisknutelneAscii(cisty);
    auto pridat = [&](const std::wstring& jednotka) {
        if (kusy.back().size() + jednotka.size() > kDelkaKusu) kusy.emplace_back();
        kusy.back() += jednotka;
    };
    if (ascii) {
        for (wchar_t z : cisty)
            pridat(z == L'"' || z == L'\\' ? std::wstring{L'\\', z} : std::wstring(1, z));
    } else {
        static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
        for (unsigned char b : Knihovna::NaUtf8(cisty)) {
            if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '.' ||
                b == '-' || b == '_')
                pridat(std::wstring(1, static_cast<wchar_t>(b)));
            else
                pridat({L'%', kHex[b >> 4], kHex[b & 0x0F]});
        }
    }
    if (kusy.size() == 1)
        return ascii ? Knihovna::Formatovat(L"%s=\"%s\"", parametr, kusy[0].c_str())
                     : Knihovna::Formatovat(L"%s*=utf-8''%s", parametr, kusy[0].c_str());
    std::wstring vysledek;
    for (std::size_t i = 0; i < kusy.size(); ++i) {
        if (i > 0) vysledek += L";\r\n\t";
        if (ascii)
            vysledek += Knihovna::Formatovat(L"%s*%d=\"%s\"", parametr, static_cast<int>(i), kusy[i].c_str());
        else
            vysledek += Knihovna::Formatovat(L"%s*%d*=%s%s", parametr, static_cast<int>(i),
                                             i == 0 ? L"utf-8''" : L"", kusy[i].c_str());
    }
    return vysledek;
}

// A header name is printable ASCII without a colon (RFC 5322, 2.2).
bool PlatnyNazevHlavicky(const std::wstring& nazev) {
    if (nazev.empty()) return false;
    for (wchar_t z : nazev)
        if (z < 33 || z > 126 || z == L':') return false;
    return true;
}

// CR and LF may stand in a header value only as a fold: CR LF, then white space, then text.
bool JenPlatnaZalomeni(const std::wstring& hodnota) {
    for (std::size_t i = 0; i < hodnota.size(); ++i) {
        if (hodnota[i] == L'\n') return false;
        if (hodnota[i] != L'\r') continue;
        if (i + 2 >= hodnota.size() || hodnota[i + 1] != L'\n' || (hodnota[i + 2] != L' ' && hodnota[i + 2] != L'\t'))
            return false;
        const std::size_t text = hodnota.find_first_not_of(L" \t", i + 2);
        if (text == std::wstring::npos || hodnota[text] == L'\r' || hodnota[text] == L'\n') return false;
        ++i;
    }
    return true;
}

// Folds each line of a header longer than 78 characters before white space (RFC 5322,
// 2.2.3), never right after the name and never leaving a line of white space only.
// Returns false when a line stays longer than 998 characters for want of white space.
bool Zalozit(std::wstring& hlavicka, std::size_t zacatekHodnoty) {
    std::wstring vysledek;
    bool vejdeSe = true;
    std::size_t od = 0;
    for (bool prvni = true;; prvni = false) {
        const std::size_t konec = hlavicka.find(L"\r\n", od);
        std::wstring radek = hlavicka.substr(od, konec == std::wstring::npos ? std::wstring::npos : konec - od);
        while (radek.size() > kDoporucenaDelkaRadku) {
            // Each piece keeps some text before the fold: the name's value on the first line.
            const std::size_t text = radek.find_first_not_of(L" \t");
            const std::size_t nejdrive = std::max(prvni ? zacatekHodnoty : 1, text + 1);
            std::size_t misto = radek.find_last_of(L" \t", kDoporucenaDelkaRadku);
            if (misto == std::wstring::npos || misto < nejdrive) misto = radek.find_first_of(L" \t", nejdrive);
            if (misto == std::wstring::npos || radek.find_first_not_of(L" \t", misto) == std::wstring::npos) break;
            if (misto > kMaxDelkaRadku) vejdeSe = false;
            vysledek += radek.substr(0, misto) + L"\r\n";
            radek.erase(0, misto);
            prvni = false;
        }
        if (radek.size() > kMaxDelkaRadku) vejdeSe = false;
        vysledek += radek;
        if (konec == std::wstring::npos) break;
        vysledek += L"\r\n";
        od = konec + 2;
    }
    hlavicka = std::move(vysledek);
    return vejdeSe;
}

// Whether every CR and LF of the bytes stands in a CR LF pair: the text encodings write each line end as CR LF.
bool JenCeleKonceRadku(const std::string& bajty) {
    for (std::size_t i = 0; i < bajty.size(); ++i) {
        if (bajty[i] == '\r' && (i + 1 >= bajty.size() || bajty[i + 1] != '\n')) return false;
        if (bajty[i] == '\n' && (i == 0 || bajty[i - 1] != '\r')) return false;
    }
    return true;
}

bool NacistSoubor(const std::wstring& cesta, std::string& obsah) {
    // The standard stream opens with shared reading on both builds, so a snapshot that
    // another thread still holds open can be read.
    std::ifstream soubor(std::filesystem::path(cesta), std::ios::binary);
    if (!soubor) return false;
    // Read in one piece where the size is known (megabytes of snapshots); a stream without one is read to its end.
    soubor.seekg(0, std::ios::end);
    const std::streamoff velikost = soubor.tellg();
    soubor.seekg(0, std::ios::beg);
    if (velikost > 0) {
        obsah.resize(static_cast<std::size_t>(velikost));
        soubor.read(obsah.data(), velikost);
        if (soubor.gcount() == velikost && !soubor.bad()) return true;
        soubor.clear();
        soubor.seekg(0, std::ios::beg);
    }
    obsah.assign(std::istreambuf_iterator<char>(soubor), std::istreambuf_iterator<char>());
    return !soubor.bad();
}

}  // namespace

Zprava::Zprava(const Knihovna::Hodiny& hodiny)
    : dateTime(hodiny.Ted()), zoneOffset(PosunMistniZony()), hodiny_(&hodiny) {}

const Knihovna::Hodiny& Zprava::SystemoveHodiny() {
    static const Knihovna::HodinySystemove hodiny;
    return hodiny;
}

std::int32_t Zprava::PosunMistniZony() {
    const std::time_t ted = std::time(nullptr);
    std::tm mistni{};
    std::tm utc{};
#ifdef _WIN32
    localtime_s(&mistni, &ted);
    gmtime_s(&utc, &ted);
#else
    localtime_r(&ted, &mistni);
    gmtime_r(&ted, &utc);
#endif
    int dny = mistni.tm_yday - utc.tm_yday;
    if (mistni.tm_year != utc.tm_year) dny = mistni.tm_year > utc.tm_year ? 1 : -1;
    const int minuty = dny * 1440 + (mistni.tm_hour - utc.tm_hour) * 60 + (mistni.tm_min - utc.tm_min);
    // The platform's bias has the other sign (UTC = local + bias).
    const int bias = -minuty;
    const int h = bias / 60;
    const int m = bias - 60 * h;
    return -(100 * h + m);
}

void Zprava::NastavitHlavicku(const std::wstring& nazev, const std::wstring& hodnota) {
    OdebratHlavicku(nazev);
    headerNames.push_back(nazev);
    headerValues.push_back(hodnota);
}

void Zprava::VychoziHlavicka(const std::wstring& nazev, const std::wstring& hodnota) {
    if (Hlavicka(nazev)) return;
    headerNames.push_back(nazev);
    headerValues.push_back(hodnota);
}

void Zprava::OdebratHlavicku(const std::wstring& nazev) {
    for (std::size_t i = 0; i < headerNames.size();) {
        if (headerNames[i] == nazev) {
            headerNames.erase(headerNames.begin() + static_cast<std::ptrdiff_t>(i));
            headerValues.erase(headerValues.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

const std::wstring* Zprava::Hlavicka(const std::wstring& nazev) const {
    for (std::size_t i = 0; i < headerNames.size(); ++i)
        if (headerNames[i] == nazev) return &headerValues[i];
    return nullptr;
}

void Zprava::AddStandardHeaders() {
    VychoziHlavicka(L"X-Priority", L"3 (Normal)");
    VychoziHlavicka(L"X-MSMail-Priority", L"Normal");
    VychoziHlavicka(L"X-Mailer", kMailer);
    VychoziHlavicka(L"Importance", L"Normal");

    const int den = dateTime.denVTydnu >= 0 && dateTime.denVTydnu < 7 ? dateTime.denVTydnu : 0;
    const int mesic = dateTime.mesic >= 1 && dateTime.mesic <= 12 ? dateTime.mesic - 1 : 0;
    const std::wstring datum = Knihovna::Formatovat(L"%s, %d %s %04d", kDny[den], dateTime.den, kMesice[mesic],
                                                    dateTime.rok);
    const std::wstring cas =
        Knihovna::Formatovat(L"%d:%02d:%02d", dateTime.hodina, dateTime.minuta, dateTime.sekunda);
    const int velikost = zoneOffset < 0 ? -zoneOffset : zoneOffset;
    NastavitHlavicku(L"Date", Knihovna::Formatovat(L"%s %s %c%4.4d", datum.c_str(), cas.c_str(),
                                                   zoneOffset > 0 ? L'+' : L'-', velikost));

    NastavitHlavicku(L"Subject", BezZalomeni(subject));

    std::wstring komu;
    if (!recipientName.empty()) komu += ZobrazeneJmeno(recipientName);
    if (!recipientAddress.empty()) komu += L"<" + BezZalomeni(recipientAddress) + L">";
    for (const Adresa& dalsi : furtherTo) {
        if (!komu.empty()) komu += L",\r\n\t";
        if (!dalsi.name.empty()) komu += ZobrazeneJmeno(dalsi.name);
        komu += L"<" + BezZalomeni(dalsi.address) + L">";
    }
    NastavitHlavicku(L"To", komu);

    std::wstring od;
    if (!senderName.empty()) od += ZobrazeneJmeno(senderName);
    od += L"<" + BezZalomeni(senderAddress) + L">";
    NastavitHlavicku(L"From", od);
}

std::wstring Zprava::TypObsahuZTabulky(const std::wstring& pripona) {
    static const struct {
        const wchar_t* pripona;
        const wchar_t* typ;
    } kTypy[] = {
        {L".jpg", L"image/jpeg"},   {L".jpeg", L"image/jpeg"},     {L".jpe", L"image/jpeg"},
        {L".png", L"image/png"},    {L".gif", L"image/gif"},       {L".bmp", L"image/bmp"},
        {L".tif", L"image/tiff"},   {L".tiff", L"image/tiff"},     {L".txt", L"text/plain"},
        {L".htm", L"text/html"},    {L".html", L"text/html"},      {L".avi", L"video/avi"},
        {L".wmv", L"video/x-ms-wmv"}, {L".pdf", L"application/pdf"}, {L".zip", L"application/x-zip-compressed"},
    };
    for (const auto& t : kTypy)
        if (Knihovna::StejneBezVelikosti(pripona, t.pripona)) return t.typ;
    return {};
}

std::wstring Zprava::TypObsahu(const std::wstring& zobrazeneJmeno) const {
    const std::size_t tecka = zobrazeneJmeno.find(L'.');
    if (tecka == std::wstring::npos) return L"application/octet-stream";
    // The key is the text from the first dot on: "snimek.2026.jpg" looks up ".2026.jpg".
    const std::wstring pripona = zobrazeneJmeno.substr(tecka);
    std::wstring typ;
    if (hledatTypObsahu) typ = hledatTypObsahu(pripona);
    if (typ.empty()) typ = TypObsahuZTabulky(pripona);
    return typ.empty() ? L"application/octet-stream" : typ;
}

std::string Zprava::EncodeBody(EncodingKind druh, const std::string& zdroj, std::wstring& nazevKodovani) {
    const std::uint32_t zacatek = hodiny_->Tiky();
    const auto* bajty = reinterpret_cast<const std::uint8_t*>(zdroj.data());
    if (druh == EncodingKind::Automaticky) druh = ChooseEncoding(bajty, zdroj.size());
    std::string vysledek;
    switch (druh) {
    case EncodingKind::Bit7: {
        std::string sedmibitovy = zdroj;
        for (char& z : sedmibitovy)
            if (static_cast<unsigned char>(z) > 126) z = '?';
        vysledek = WrapLines(sedmibitovy);
        break;
    }
    case EncodingKind::Bit8:
        vysledek = WrapLines(zdroj);
        break;
    case EncodingKind::QuotedPrintable:
        vysledek = QuotedPrintable(zdroj);
        break;
    default:
        druh = EncodingKind::Base64;
        vysledek = Base64VRadcich(bajty, zdroj.size());
        break;
    }
    if (druh != EncodingKind::Base64) vysledek = ZdvojitTeckyNaZacatkuRadku(std::move(vysledek));
    nazevKodovani = NazevKodovani(druh);
    if (ladiciVystup)
        ladiciVystup(Knihovna::Formatovat(L"Encoding took %dms\n", static_cast<int>(hodiny_->Tiky() - zacatek)));
    return vysledek;
}

std::vector<std::wstring> Zprava::Compose(std::string& vystup) {
    using Knihovna::Formatovat;
    std::vector<std::wstring> vynechane;
    vystup.clear();
    OdebratHlavicku(L"Content-Type");
    const std::uint32_t tiky = hodiny_->Tiky();

    // The parts are made first: the boundary must be a text that none of them holds.
    std::vector<std::string> textoveCasti;
    for (CastZpravy& cast : bodyParts) {
        // The bytes decide the charset that is declared, so they are made first.
        std::wstring charset = cast.charset;
        const std::string bajty = ZakodovatText(cast.text, charset);
        std::wstring kodovani;
        const std::string telo = EncodeBody(cast.encoding, bajty, kodovani);
        std::string text;
        Pripsat(text, L"Content-Type: " + BezZalomeni(cast.contentType));
        if (ZacinaText(cast.contentType)) Pripsat(text, L";\r\n\tcharset=\"" + charset + L"\"");
        Pripsat(text, L"\r\nContent-Transfer-Encoding: " + kodovani);
        if (!cast.contentId.empty()) Pripsat(text, L"\r\nContent-ID: <" + BezZalomeni(cast.contentId) + L">");
        text += "\r\n\r\n";
        text += telo;
        textoveCasti.push_back(std::move(text));
    }
    std::vector<std::string> prilohy;
    for (const Priloha& priloha : attachments) {
        std::string obsah;
        if (!NacistSoubor(priloha.path, obsah)) {
            vynechane.push_back(priloha.path);
            continue;
        }
        std::wstring jmeno = priloha.fileName;
        if (jmeno.empty()) {
            const std::size_t lomitko = priloha.path.find_last_of(L"\\/");
            jmeno = lomitko == std::wstring::npos ? priloha.path : priloha.path.substr(lomitko + 1);
        }
        std::wstring typ = TypObsahu(jmeno);
        if (!priloha.contentType.empty()) typ = priloha.contentType;
        std::string text;
        Pripsat(text, L"Content-Type: " + BezZalomeni(typ));
        if (ZacinaText(typ)) Pripsat(text, L";\r\n\tcharset=\"" + BezZalomeni(priloha.charset) + L"\"");
        Pripsat(text, L";\r\n\t" + ParametrJmena(L"name", jmeno) + L"\r\n");
        std::wstring kodovani;
        // A file arrives byte for byte: one with another line end than CR LF goes as Base64.
        EncodingKind druh = priloha.encoding;
        if (druh == EncodingKind::Automaticky && !JenCeleKonceRadku(obsah)) druh = EncodingKind::Base64;
        const std::string data = EncodeBody(druh, obsah, kodovani);
        Pripsat(text, L"Content-Transfer-Encoding: " + kodovani + L"\r\nContent-Disposition: ");
        Pripsat(text, priloha.inlinePriloha ? L"inline" : L"attachment");
        Pripsat(text, L";\r\n\t" + ParametrJmena(L"filename", jmeno));
        if (!priloha.contentId.empty())
            Pripsat(text, L"\r\nContent-ID: <" + BezZalomeni(priloha.contentId) + L">");
        text += "\r\n\r\n";
        text.reserve(text.size() + data.size());
        text += data;
        prilohy.push_back(std::move(text));
    }

    const std::size_t n = attachments.size() + bodyParts.size();
    const bool vnitrniCast = !attachments.empty() && bodyParts.size() >= 2 && n >= 2;
    std::wstring vnejsi;
    std::wstring vnitrni;
    if (n >= 2) {
        // The tick count names the boundary; the next counts serve when a part holds it.
        for (std::uint32_t t = tiky;; ++t) {
            vnejsi = Formatovat(L"CSmtpMsgPart123X456_000_%8.8X", t);
            vnitrni = vnitrniCast ? Formatovat(L"CSmtpMsgPart123X456_001_%8.8X", t) : std::wstring();
            const std::string v8(vnejsi.begin(), vnejsi.end()), i8(vnitrni.begin(), vnitrni.end());
            bool obsazena = false;
            for (const auto* casti : {&textoveCasti, &prilohy})
                for (const std::string& c : *casti)
                    if (c.find(v8) != std::string::npos || (!i8.empty() && c.find(i8) != std::string::npos))
                        obsazena = true;
            if (!obsazena) break;
        }
        if (multipartKind == MultipartKind::Automaticky)
            multipartKind = attachments.empty() ? MultipartKind::Alternative : MultipartKind::Mixed;
        const wchar_t* druh = multipartKind == MultipartKind::Mixed         ? L"mixed"
                              : multipartKind == MultipartKind::Alternative ? L"alternative"
                                                                            : L"related";
        headerNames.push_back(L"Content-Type");
        headerValues.push_back(Formatovat(L"multipart/%s;\r\n\tboundary=\"%s\"", druh, vnejsi.c_str()));
    }
    NastavitHlavicku(L"MIME-Version", L"1.0");
    OdebratHlavicku(L"Message-ID");
    if (!messageId.empty()) {
        headerNames.push_back(L"Message-ID");
        headerValues.push_back(L"<" + BezZalomeni(messageId) + L">");
    }
    AddStandardHeaders();

    for (std::size_t i = headerNames.size(); i-- > 0;) {
        const std::wstring& nazev = headerNames[i];
        const std::wstring& hodnota = headerValues[i];
        // A line break of the caller's would end the header and start another.
        if (!PlatnyNazevHlavicky(nazev))
            Knihovna::Vyhodit(Knihovna::kE_INVALIDARG,
                              Formatovat(L"Hlavičku \"%s\" nelze zapsat: název smí obsahovat jen viditelné znaky "
                                         L"ASCII bez dvojtečky.",
                                         BezZalomeni(nazev).c_str()));
        if (!JenPlatnaZalomeni(hodnota))
            Knihovna::Vyhodit(Knihovna::kE_INVALIDARG,
                              Formatovat(L"Hlavičku \"%s\" nelze zapsat: hodnota obsahuje konec řádku.", nazev.c_str()));
        // Addresses are written as they are; other non-ASCII values become encoded words.
        const bool strukturovana = nazev == L"To" || nazev == L"From" || nazev == L"Cc" ||
                                   nazev == L"Content-Type" || nazev == L"Message-ID";
        std::wstring radek = nazev + L": " + (strukturovana ? hodnota : ZakodovatHlavicku(hodnota));
        // Text without white space to fold at goes as encoded words, which fold.
        if (!Zalozit(radek, nazev.size() + 2) && !strukturovana) {
            radek = nazev + L": " + ZakodovatHlavicku(hodnota, true);
            Zalozit(radek, nazev.size() + 2);
        }
        Pripsat(vystup, radek);
        vystup += "\r\n";
    }

    std::size_t odhad = 4096;
    for (const auto* casti : {&textoveCasti, &prilohy})
        for (const std::string& c : *casti) odhad += c.size() + 128;
    vystup.reserve(vystup.size() + odhad);
    if (!vnejsi.empty()) Pripsat(vystup, Formatovat(L"\r\n%s\r\n", kPreambule));
    if (!vnitrni.empty())
        Pripsat(vystup, Formatovat(L"\r\n--%s\r\nContent-Type: multipart/alternative;\r\n\tboundary=\"%s\"\r\n",
                                   vnejsi.c_str(), vnitrni.c_str()));
    for (const std::string& cast : textoveCasti) {
        if (!vnejsi.empty()) Pripsat(vystup, L"\r\n--" + (vnitrni.empty() ? vnejsi : vnitrni) + L"\r\n");
        vystup += cast;
    }
    if (!vnitrni.empty()) Pripsat(vystup, Formatovat(L"\r\n--%s--\r\n", vnitrni.c_str()));
    for (const std::string& priloha : prilohy) {
        if (!vnejsi.empty()) Pripsat(vystup, Formatovat(L"\r\n--%s\r\n", vnejsi.c_str()));
        vystup += priloha;
    }
    if (!vnejsi.empty()) Pripsat(vystup, Formatovat(L"\r\n--%s--\r\n", vnejsi.c_str()));
    return vynechane;
}

}  // namespace Holvent::Email
