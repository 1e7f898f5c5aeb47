#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "email/Zprava.h"
#include "email/win/SluzbyZpravyWin.h"

using namespace Holvent::Email;

// A snapshot that another thread still holds open for writing is read all the same.
TEST(ZpravaWin, PrilohaOtevrenaJinymZapisovatelemSePrecte) {
    const auto slozka = std::filesystem::current_path() / "email_testy" / "ZpravaWin";
    std::filesystem::create_directories(slozka);
    const std::wstring cesta = (slozka / L"snímek.jpg").wstring();
    HANDLE zapisovatel = CreateFileW(cesta.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(zapisovatel, INVALID_HANDLE_VALUE);
    DWORD zapsano = 0;
    ASSERT_TRUE(WriteFile(zapisovatel, "foo", 3, &zapsano, nullptr));

    Zprava zprava;
    PripojitSluzbyWindows(zprava);
    zprava.senderAddress = L"a@example.com";
    zprava.recipientAddress = L"b@example.com";
    CastZpravy cast;
    cast.text = L"A";
    zprava.bodyParts.push_back(cast);
    Priloha priloha;
    priloha.path = cesta;
    priloha.encoding = EncodingKind::Base64;
    zprava.attachments.push_back(priloha);
    std::string text;
    const auto vynechane = zprava.Compose(text);
    CloseHandle(zapisovatel);

    EXPECT_TRUE(vynechane.empty());
    EXPECT_NE(text.find("Content-Type: image/jpeg;\r\n\tname*=utf-8''sn%C3%ADmek.jpg\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n\r\nZm9v\r\n--"), std::string::npos);
    std::filesystem::remove_all(slozka);
}
