#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "email/Smtp.h"
#include "email/win/SluzbyZpravyWin.h"
#include "email/win/SoketWinsock.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

std::wstring Promenna(const wchar_t* jmeno) {
    const wchar_t* hodnota = _wgetenv(jmeno);
    return hodnota ? hodnota : L"";
}

std::vector<std::wstring> Rozdelit(const std::wstring& text) {
    std::vector<std::wstring> casti;
    std::size_t zacatek = 0;
    while (zacatek <= text.size() && !text.empty()) {
        std::size_t konec = text.find(L';', zacatek);
        if (konec == std::wstring::npos) konec = text.size();
        if (konec > zacatek) casti.push_back(text.substr(zacatek, konec - zacatek));
        zacatek = konec + 1;
    }
    return casti;
}

class KlicTypu {
public:
    explicit KlicTypu(const wchar_t* pripona) : cesta_(pripona) {}
    ~KlicTypu() { RegDeleteTreeW(HKEY_CLASSES_ROOT, cesta_.c_str()); }
    void Zapsat(DWORD typ, const void* data, DWORD velikost) {
        HKEY klic = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, cesta_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &klic,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(klic, L"Content Type", 0, typ, static_cast<const BYTE*>(data), velikost);
        RegCloseKey(klic);
    }

private:
    std::wstring cesta_;
};

}  // namespace

TEST(TypObsahuWin, RegistrTypuSouboruMaPrednost) {
    KlicTypu klic(L".tervikzkouska");
    const wchar_t typ[] = L"image/x-tervik";
    klic.Zapsat(REG_SZ, typ, sizeof typ);
    EXPECT_EQ(TypObsahuZRegistru(L".tervikzkouska"), L"image/x-tervik");
    EXPECT_EQ(TypObsahuZRegistru(L".tervikneexistuje"), L"");
    Zprava zprava;
    PripojitSluzbyWindows(zprava);
    EXPECT_EQ(zprava.hledatTypObsahu(L".tervikzkouska"), L"image/x-tervik");
    // A value of another type is no media type.
    const DWORD cislo = 5;
    klic.Zapsat(REG_DWORD, &cislo, sizeof cislo);
    EXPECT_EQ(TypObsahuZRegistru(L".tervikzkouska"), L"");
}

TEST(SoketWinsockTest, NeznamyHostitelAOdmitnutePripojeni) {
    Smtp klient(std::make_unique<SoketWinsock>());
    klient.pauzaPredPripojenimMs = 0;
    klient.pauzaPredPozdravemMs = 0;
    EXPECT_FALSE(klient.Connect(L"neexistujici-hostitel.invalid"));
    // Nothing listens on port 1 of the loopback.
    klient.port = 1;
    EXPECT_FALSE(klient.Connect(L"127.0.0.1"));
    EXPECT_FALSE(klient.Greeted());
    EXPECT_GT(SoketWinsock::PortSmtp(), 0);
}

// Sends one message to the SMTP server a process test started; the test names the port,
// the account, the recipients, the attachments and the result it expects.
TEST(SmtpSkutecnyServer, OdeslaniZpravy) {
    const std::wstring port = Promenna(L"TERVIK_SMTP_PORT");
    if (port.empty()) GTEST_SKIP() << "started by the SMTP process test";
    Smtp klient(std::make_unique<SoketWinsock>());
    klient.extended = true;
    klient.timeoutSeconds = 30;
    klient.port = static_cast<std::uint16_t>(std::wcstoul(port.c_str(), nullptr, 10));
    klient.userName = Promenna(L"TERVIK_SMTP_UZIVATEL");
    klient.password = Promenna(L"TERVIK_SMTP_HESLO");

    Zprava zprava;
    PripojitSluzbyWindows(zprava);
    zprava.senderName = L"Kamera u vchodu";
    zprava.senderAddress = L"kamera@example.com";
    const auto prijemci = Rozdelit(Promenna(L"TERVIK_SMTP_PRIJEMCI"));
    ASSERT_FALSE(prijemci.empty());
    zprava.recipientAddress = prijemci[0];
    for (std::size_t i = 1; i < prijemci.size(); ++i) zprava.hidden.push_back({L"", prijemci[i]});
    zprava.subject = L"Snímek z webkamery č. 1";
    CastZpravy cast;
    cast.contentType = L"text/html";
    cast.text = L"<h1>Tervik</h1>\r\n<p>Žluťoučký kůň úpěl ďábelské ódy.</p>\r\n.\r\n";
    zprava.bodyParts.push_back(cast);
    for (const auto& cesta : Rozdelit(Promenna(L"TERVIK_SMTP_PRILOHY"))) {
        Priloha priloha;
        priloha.path = cesta;
        priloha.inlinePriloha = true;
        zprava.attachments.push_back(priloha);
    }

    const int ocekavano = std::wcstol(Promenna(L"TERVIK_SMTP_OCEKAVANO").c_str(), nullptr, 10);
    ASSERT_TRUE(klient.Connect(L"127.0.0.1")) << "greeting: " << Knihovna::NaUtf8(klient.LastReply());
    const int vysledek = klient.SendMail(zprava);
    EXPECT_EQ(vysledek, ocekavano) << Knihovna::NaUtf8(klient.LastReply());
    EXPECT_TRUE(klient.VynechanePrilohy().empty());
    klient.Close();
}
