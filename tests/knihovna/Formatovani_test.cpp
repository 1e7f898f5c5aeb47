#include "knihovna/Formatovani.h"

#include <gtest/gtest.h>

#include "VyhozenaChyba.h"

#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Knihovna;

TEST(Formatovani, SsJeSirokyTextJakoVeWindows) {
    EXPECT_EQ(Formatovat(L"Aplikace \"%s\" je již spuštěna", L"Tervik"), L"Aplikace \"Tervik\" je již spuštěna");
    EXPECT_EQ(Formatovat(L"%ls/%s/%c/%5.2f%%", L"a", L"b", L'č', 1.5), L"a/b/č/ 1.50%");
    EXPECT_EQ(Formatovat(L"%d:%.2d:%.2d", 7, 3, 9), L"7:03:09");
    std::wstring dlouhy(5000, L'x');
    EXPECT_EQ(Formatovat(L"<%s>", dlouhy.c_str()), L"<" + dlouhy + L">");
    EXPECT_EQ(FormatovatA("GET /%d", 12), "GET /12");
}

TEST(KodovaniUtf16, DvaBajtyNaJednotkuBezBom) {
    const std::string b = KodovatUtf16LE(L"Dvůr");
    EXPECT_EQ(b, std::string("D\0v\0\x6F\x01r\0", 8));
    EXPECT_EQ(DekodovatUtf16LE(b), L"Dvůr");
    // A character outside the basic plane is a surrogate pair on the disk on both builds.
    const std::wstring smajlik = ZUtf8("\xF0\x9F\x98\x80");
    const std::string s = KodovatUtf16LE(smajlik);
    EXPECT_EQ(s, std::string("\x3D\xD8\x00\xDE", 4));
    EXPECT_EQ(DekodovatUtf16LE(s), smajlik);
    EXPECT_EQ(DekodovatUtf16LE(std::string("A\0B", 3)), L"A");  // odd last byte ignored
    EXPECT_EQ(NaUtf8(L"Žluťoučký"), "\xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD");
}

TEST(KodovaniUtf16, NespravneUtf8JeNahradniZnak) {
    const std::wstring n(1, static_cast<wchar_t>(0xFFFD));
    // Overlong forms, surrogates, values above U+10FFFF and bytes that never start a character.
    EXPECT_EQ(ZUtf8("\xC0\xAF"), n + n);
    EXPECT_EQ(ZUtf8("\xE0\x80\xAF"), n + n + n);
    EXPECT_EQ(ZUtf8("\xED\xA0\x80"), n + n + n);
    EXPECT_EQ(ZUtf8("\xF4\x90\x80\x80"), n + n + n + n);
    EXPECT_EQ(ZUtf8("\xF7\xBF\xBF\xBF"), n + n + n + n);
    EXPECT_EQ(ZUtf8("\xF5\x80x"), n + n + L"x");
    // A cut sequence is one replacement, and the next character is not swallowed.
    EXPECT_EQ(ZUtf8("\xE2\x82x"), n + L"x");
    EXPECT_EQ(ZUtf8("\xF0\x9F\x98"), n);
    EXPECT_EQ(ZUtf8("a\xF1\x80\x80\xE1\x80\xC2" "b\x80" "c\x80\xBF" "d"), L"a" + n + n + n + L"b" + n + L"c" + n + n + L"d");
    // The edges of the well-formed ranges still decode.
    for (const std::string dobre : {"\xC2\x80", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEF\xBF\xBF", "\xF0\x90\x80\x80",
                                    "\xF4\x8F\xBF\xBF"}) {
        const std::wstring z = ZUtf8(dobre);
        EXPECT_EQ(z.find(static_cast<wchar_t>(0xFFFD)), std::wstring::npos);
        EXPECT_EQ(NaUtf8(z), dobre);
    }
}

TEST(Chyba, HresultZWin32AVyjimky) {
    EXPECT_EQ(HresultZWin32(0), 0);
    EXPECT_EQ(static_cast<std::uint32_t>(HresultZWin32(5)), 0x80070005u);
    EXPECT_EQ(HresultZWin32(static_cast<std::uint32_t>(kE_FAIL)), kE_FAIL);
    EXPECT_EQ(Chyba(0).Hr(), kE_FAIL);  // a zero code is never a failure's code
    const auto c = VyhozenaChyba([] { VyhoditPriChybeWin32(2, L"vlastní"); });
    ASSERT_TRUE(c);
    EXPECT_EQ(static_cast<std::uint32_t>(c->Hr()), 0x80070002u);
    EXPECT_EQ(c->Text(), L"vlastní");
    auto hr = [](auto&& f) {
        try {
            f();
        } catch (...) {
            return HresultAktualniVyjimky();
        }
        return kS_OK;
    };
    EXPECT_EQ(hr([] { throw std::bad_alloc(); }), kE_OUTOFMEMORY);
    EXPECT_EQ(hr([] { throw 1; }), kE_FAIL);
    EXPECT_EQ(hr([] { Vyhodit(kE_NOTIMPL); }), kE_NOTIMPL);
    EXPECT_EQ(TextKodu(kE_INVALIDARG), L"0x80070057");
}
