#include "email/Kodovani.h"

#include <gtest/gtest.h>

#include <string>

#include "email/Base64.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

std::string Zakodovat(Base64& b, const std::string& data) {
    b.Encode(reinterpret_cast<const std::uint8_t*>(data.data()), static_cast<std::uint32_t>(data.size()));
    return std::string(b.EncodedText(), b.TextLength());
}

std::string Dekodovat(Base64& b, const std::string& text) {
    b.Decode(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()));
    return std::string(reinterpret_cast<const char*>(b.DecodedData()), b.DataLength());
}

EncodingKind Vyber(const std::string& s) {
    return ChooseEncoding(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

}  // namespace

TEST(Base64, VektoryRfc4648ObemaSmery) {
    const std::pair<const char*, const char*> vektory[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    Base64 b;
    for (const auto& [data, text] : vektory) {
        EXPECT_EQ(Zakodovat(b, data), text);
        EXPECT_EQ(Dekodovat(b, text), data);
    }
}

TEST(Base64, VysledekZakoncenNulouABufferyRostouPo4096) {
    Base64 b;
    b.Encode("foo");
    EXPECT_STREQ(b.EncodedText(), "Zm9v");
    EXPECT_EQ(b.TextCapacity(), 4096u);
    // Every byte value, across several growth steps, and the buffer is reused afterwards.
    std::string data;
    for (int i = 0; i < 10000; ++i) data.push_back(static_cast<char>((i * 7 + i / 256) & 0xFF));
    const std::string text = Zakodovat(b, data);
    EXPECT_EQ(text.size(), (data.size() + 2) / 3 * 4);
    EXPECT_EQ(b.TextCapacity() % 4096, 0u);
    EXPECT_GT(b.TextCapacity(), text.size());
    EXPECT_EQ(b.EncodedText()[text.size()], '\0');
    EXPECT_EQ(Dekodovat(b, text), data);
    const std::uint32_t kapacita = b.DataCapacity();
    EXPECT_EQ(Dekodovat(b, "Zm9v"), "foo");
    EXPECT_EQ(b.DataCapacity(), kapacita);
    EXPECT_EQ(b.DecodedData()[3], 0);
}

TEST(Base64, DekodovaniPreskakujeZalomeniAMezeryAHorniBit) {
    Base64 b;
    EXPECT_EQ(Dekodovat(b, "Zm9v\r\nYm Fy\t"), "foobar");
    // A character with the high bit added decodes like the character itself.
    std::string s = "Zm9v";
    s[1] = static_cast<char>(s[1] | 0x80);
    EXPECT_EQ(Dekodovat(b, s), "foo");
    // Bytes outside the alphabet carry no bits.
    EXPECT_EQ(Dekodovat(b, "Zm*9v"), "foo");
}

TEST(ChooseEncoding, Prahy) {
    EXPECT_EQ(Vyber(""), EncodingKind::Base64);
    EXPECT_EQ(Vyber("Dobry den\r\nradek dva"), EncodingKind::Bit7);
    // 9 printable of 10 is 90 %: not yet binary; one high byte makes it 8bit.
    EXPECT_EQ(Vyber(std::string("abcdefghi") + '\xE9'), EncodingKind::Bit8);
    EXPECT_EQ(Vyber(std::string("abcdefgh") + "\xE9\xE9"), EncodingKind::Base64);
    // A line is long above 76 characters, wherever it stands and whatever ends it: lines
    // that WrapLines would break must go quoted-printable, or the content changes.
    EXPECT_EQ(Vyber(std::string(76, 'a') + "\r\n"), EncodingKind::Bit7);
    EXPECT_EQ(Vyber(std::string(77, 'a') + "\r\n"), EncodingKind::QuotedPrintable);
    EXPECT_EQ(Vyber("x\r\n" + std::string(77, 'a') + "\r\n"), EncodingKind::QuotedPrintable);
    EXPECT_EQ(Vyber("x\r\n" + std::string(76, 'a') + "\r\n"), EncodingKind::Bit7);
    const std::string url = "https://example.com/" + std::string(70, 'u');
    EXPECT_EQ(Vyber("Odkaz:\r\n" + url), EncodingKind::QuotedPrintable);
    EXPECT_EQ(Vyber("a\n" + url + "\nb\n"), EncodingKind::QuotedPrintable);
    EXPECT_EQ(Vyber("a\n" + std::string(76, 'b') + "\nc"), EncodingKind::Bit7);
    // No NUL in 7bit or 8bit data, however little of it there is.
    EXPECT_EQ(Vyber(std::string(50, 'a') + '\0' + std::string(50, 'a')), EncodingKind::Base64);
    // A long line outweighs high bytes.
    EXPECT_EQ(Vyber(std::string(100, 'a') + "\xE9\r\n"), EncodingKind::QuotedPrintable);
}

TEST(WrapLines, ZalomeniPoOddelovaciNeboPo76Znacich) {
    const std::string pismena(80, 'x');
    EXPECT_EQ(WrapLines(pismena), std::string(76, 'x') + "\r\n" + std::string(4, 'x'));
    // The last separator among the first 76 stays at the end of the line.
    const std::string veta = std::string(70, 'a') + "," + std::string(3, 'b') + " " + std::string(10, 'c');
    EXPECT_EQ(WrapLines(veta), std::string(70, 'a') + "," + std::string(3, 'b') + " \r\n" + std::string(10, 'c'));
    EXPECT_EQ(WrapLines(std::string(75, 'a') + "-" + "zzz"), std::string(75, 'a') + "-\r\nzzz");
    // Breaks of every kind become CR LF; short lines stay.
    EXPECT_EQ(WrapLines("a\rb\r\nc\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(WrapLines(std::string(76, 'y')), std::string(76, 'y'));
}

TEST(QuotedPrintable, EscapyMezeraNaKonciAMekkeZalomeni) {
    EXPECT_EQ(QuotedPrintable("a=b\xE9\x01\tc"), "a=3Db=E9=01\tc");
    EXPECT_EQ(QuotedPrintable("konec "), "konec=20");
    EXPECT_EQ(QuotedPrintable("tab\t\r\ndalsi"), "tab=09\r\ndalsi");
    // A long line is cut after 75 characters with the soft break "=".
    const std::string dlouhy(100, 'a');
    EXPECT_EQ(QuotedPrintable(dlouhy), std::string(75, 'a') + "=\r\n" + std::string(25, 'a'));
    // An escape is never split across the soft break, wherever it falls.
    for (int pozice = 70; pozice <= 76; ++pozice) {
        std::string s(90, 'a');
        s[static_cast<std::size_t>(pozice)] = '=';
        const std::string vysledek = QuotedPrintable(s);
        std::size_t zacatek = 0;
        while (zacatek < vysledek.size()) {
            std::size_t konec = vysledek.find("\r\n", zacatek);
            if (konec == std::string::npos) konec = vysledek.size();
            std::string radek = vysledek.substr(zacatek, konec - zacatek);
            EXPECT_LE(radek.size(), 76u) << pozice;
            if (!radek.empty() && radek.back() == '=') radek.pop_back();
            for (std::size_t i = 0; i < radek.size(); ++i)
                if (radek[i] == '=') {
                    ASSERT_LE(i + 3, radek.size()) << "escape split at " << pozice;
                    EXPECT_EQ(radek.substr(i, 3), "=3D");
                }
            zacatek = konec + 2;
        }
    }
    // A 75-character line ending in a space grows past 76 with =20 and is cut before it.
    EXPECT_EQ(QuotedPrintable(std::string(75, 'a') + " "), std::string(75, 'a') + "=\r\n=20");
}

TEST(Tecky, RadekZacinajiciTeckouDostaneDruhou) {
    EXPECT_EQ(ZdvojitTeckyNaZacatkuRadku("."), "..");
    EXPECT_EQ(ZdvojitTeckyNaZacatkuRadku("a\r\n.\r\nb.c\r\n..x"), "a\r\n..\r\nb.c\r\n...x");
}

TEST(ZnakovaSada, Latin1ZustavaJinakUtf8) {
    std::wstring charset = L"iso-8859-1";
    EXPECT_EQ(ZakodovatText(L"caf\u00E9", charset), "caf\xE9");
    EXPECT_EQ(charset, L"iso-8859-1");
    EXPECT_EQ(ZakodovatText(L"\u017Elu\u0165ou\u010Dk\u00FD", charset), Knihovna::NaUtf8(L"\u017Elu\u0165ou\u010Dk\u00FD"));
    EXPECT_EQ(charset, L"utf-8");
    charset = L"windows-1250";
    EXPECT_EQ(ZakodovatText(L"\u017Elu\u0165ou\u010Dk\u00FD", charset), "\x9Elu\x9Dou\xE8k\xFD");
    EXPECT_EQ(charset, L"windows-1250");
    charset = L"koi8-r";
    EXPECT_EQ(ZakodovatText(L"x", charset), "x");
    EXPECT_EQ(charset, L"utf-8");
}

TEST(ZnakovaSada, HlavickaMimoAsciiJakoZakodovanaSlova) {
    EXPECT_EQ(ZakodovatHlavicku(L"Snimek z webkamery"), L"Snimek z webkamery");
    EXPECT_EQ(ZakodovatHlavicku(L"Sn\u00EDmek"), L"=?utf-8?B?U27DrW1law==?=");
    // ASCII that a reader would not show as it stands: a literal encoded word, a control character.
    EXPECT_EQ(ZakodovatHlavicku(L"=?utf-8?B?QQ==?="), L"=?utf-8?B?PT91dGYtOD9CP1FRPT0/PQ==?=");
    EXPECT_EQ(ZakodovatHlavicku(std::wstring(L"a\0b", 3)), L"=?utf-8?B?YQBi?=");
    // Long texts are split into words of at most 75 characters without cutting a character.
    const std::wstring dlouhy(60, L'\u010D');
    const std::wstring slova = ZakodovatHlavicku(dlouhy);
    std::wstring slozeno;
    std::size_t zacatek = 0;
    Base64 b;
    while (zacatek < slova.size()) {
        std::size_t konec = slova.find(L"\r\n\t", zacatek);
        if (konec == std::wstring::npos) konec = slova.size();
        const std::wstring slovo = slova.substr(zacatek, konec - zacatek);
        EXPECT_LE(slovo.size(), 75u);
        ASSERT_EQ(slovo.substr(0, 10), L"=?utf-8?B?");
        const std::string b64(slovo.begin() + 10, slovo.end() - 2);
        slozeno += Knihovna::ZUtf8(Dekodovat(b, b64));
        zacatek = konec == slova.size() ? konec : konec + 3;
    }
    EXPECT_EQ(slozeno, dlouhy);
}
