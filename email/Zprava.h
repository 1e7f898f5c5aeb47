#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "email/Adresa.h"
#include "email/Base64.h"
#include "email/CastZpravy.h"
#include "email/Kodovani.h"
#include "email/Priloha.h"
#include "knihovna/Hodiny.h"

namespace Holvent::Email {

enum class MultipartKind : std::uint32_t {
    Automaticky = 0,
    Mixed = 1,
    Alternative = 2,
    Related = 3,
};

// One e-mail: addresses, headers, text parts and files, written out as the wire text
// that follows SMTP DATA.
class Zprava {
public:
    // Takes the local time, the tick count for boundaries and the time zone from the clock.
    explicit Zprava(const Knihovna::Hodiny& hodiny = SystemoveHodiny());

    std::wstring senderName;
    std::wstring senderAddress;
    std::wstring recipientName;
    std::wstring recipientAddress;
    std::wstring subject;
    std::vector<CastZpravy> bodyParts;
    std::vector<Adresa> furtherTo;
    std::vector<Adresa> hidden;  // RCPT TO only, named in no header
    std::vector<Priloha> attachments;
    std::vector<std::wstring> headerNames;
    std::vector<std::wstring> headerValues;
    Knihovna::MistniCas dateTime;
    MultipartKind multipartKind = MultipartKind::Automaticky;
    std::wstring messageId;
    std::int32_t zoneOffset = 0;  // ±hhmm from UTC in decimal (UTC+5:30 is 530)

    // Media type of a file-name extension (".jpg"), empty when unknown; the product asks
    // the system's file-type registry, the built-in table answers when it has nothing.
    std::function<std::wstring(const std::wstring& pripona)> hledatTypObsahu;
    // Receives the debugging line "Encoding took %dms".
    std::function<void(const std::wstring& radek)> ladiciVystup;

    // Header list: "set" replaces and moves to the end, "default" adds only when missing.
    void NastavitHlavicku(const std::wstring& nazev, const std::wstring& hodnota);
    void VychoziHlavicka(const std::wstring& nazev, const std::wstring& hodnota);
    void OdebratHlavicku(const std::wstring& nazev);
    // Value of a header, nullptr when absent.
    const std::wstring* Hlavicka(const std::wstring& nazev) const;

    void AddStandardHeaders();

    // The whole message as wire bytes, without the terminating "\r\n.\r\n". Returns the
    // paths of the attachments that could not be read and were left out. A header whose
    // name or value holds a line break of its own raises Knihovna::Chyba (E_INVALIDARG).
    std::vector<std::wstring> Compose(std::string& vystup);

    // Encodes raw content by kind (automatic: ChooseEncoding), with SMTP transparency;
    // nazevKodovani receives the Content-Transfer-Encoding value.
    std::string EncodeBody(EncodingKind druh, const std::string& zdroj, std::wstring& nazevKodovani);

    // Offset ±hhmm of the local time zone from UTC at this moment.
    static std::int32_t PosunMistniZony();
    // Media type of an extension from the built-in table of common types, or empty.
    static std::wstring TypObsahuZTabulky(const std::wstring& pripona);

private:
    static const Knihovna::Hodiny& SystemoveHodiny();
    std::wstring TypObsahu(const std::wstring& zobrazeneJmeno) const;

    const Knihovna::Hodiny* hodiny_;
    Base64 base64_;
};

}  // namespace Holvent::Email
