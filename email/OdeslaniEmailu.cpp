#include "email/OdeslaniEmailu.h"

#include <filesystem>
#include <system_error>

#include "email/Smtp.h"
#include "email/SouboryEmailu.h"
#include "email/Windows1250.h"
#include "knihovna/AdresaServeru.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Email {

namespace {

// The client that keeps what the dialogue refused: each recipient by its address, and a refused login (the
// server then refuses MAIL FROM with a less telling reply).
class SmtpDispatch final : public Smtp {
public:
    using Smtp::Smtp;

    std::vector<OdmitnutaAdresa> odmitnute;
    std::wstring odmitnutePrihlaseni;

    void OnReply(const std::string* prikaz, int kod, const std::wstring& odpoved) override {
        if (!prikaz || !prikaz->starts_with("RCPT TO:") || kod == 250 || kod == 251) return;
        const std::size_t od = prikaz->find('<'), po = prikaz->rfind('>');
        const std::string adresa = od != std::string::npos && po != std::string::npos && po > od
                                       ? prikaz->substr(od + 1, po - od - 1)
                                       : *prikaz;
        odmitnute.push_back({ZWindows1250(adresa), odpoved});
    }
    int OnRejected(int kod, const std::wstring& odpoved) override {
        if (kod == 535 || PosledniKrok() == L"AUTH LOGIN") odmitnutePrihlaseni = odpoved;
        return 0;
    }
};

VysledekEmailu Selhani(std::wstring krok, std::wstring odpoved, std::wstring chyba) {
    VysledekEmailu v;
    v.krok = std::move(krok);
    v.odpoved = std::move(odpoved);
    v.chyba = std::move(chyba);
    return v;
}

std::wstring TextSelhani(const std::wstring& krok, const std::wstring& odpoved) {
    if (odpoved.empty()) return Knihovna::Formatovat(L"Krok \"%s\": server neodpověděl.", krok.c_str());
    return Knihovna::Formatovat(L"Krok \"%s\": server odpověděl \"%s\"", krok.c_str(), odpoved.c_str());
}

}  // namespace

std::wstring OrezatAdresu(const std::wstring& adresa) {
    const auto mezera = [](wchar_t z) { return z == L' ' || z == L'\t'; };
    std::size_t od = 0, po = adresa.size();
    while (od < po && mezera(adresa[od])) ++od;
    while (po > od && mezera(adresa[po - 1])) --po;
    return adresa.substr(od, po - od);
}

std::wstring ChybaAdresy(const std::wstring& adresa) {
    for (wchar_t z : adresa) {
        // A line break would end the SMTP command and start one of the sender's choice.
        if (z < 0x20 || z == 0x7F || z == L'<' || z == L'>')
            return Knihovna::Formatovat(L"Emailová adresa \"%s\" obsahuje nepřípustné znaky (řídicí znaky, \"<\" nebo \">\").",
                                        adresa.c_str());
    }
    return {};
}

std::wstring ChybaUlohy(const UlohaEmailu& uloha) {
    std::wstring chyba;
    if (!Knihovna::RozlozitServer(uloha.ucet.server, &chyba)) return chyba;
    for (const std::wstring* adresa : {&uloha.ucet.email, &uloha.prijemce})
        if (auto c = ChybaAdresy(*adresa); !c.empty()) return c;
    for (const std::wstring& adresa : uloha.skryti)
        if (auto c = ChybaAdresy(adresa); !c.empty()) return c;
    return {};
}

void SestavitZpravu(const UlohaEmailu& uloha, Zprava& zprava) {
    zprava.subject = uloha.test ? uloha.produkt : uloha.predmet;
    zprava.senderName = zprava.senderAddress = uloha.ucet.email;
    zprava.recipientAddress = uloha.prijemce;
    zprava.hidden.clear();
    for (const std::wstring& adresa : uloha.skryti) zprava.hidden.push_back({L"", adresa});
    CastZpravy cast;
    if (uloha.test) {
        cast.contentType = L"text/plain";
        cast.text = Knihovna::Formatovat(kTextTestovaciZprava, uloha.produkt.c_str());
    } else {
        cast.contentType = uloha.html ? L"text/html" : L"text/plain";
        cast.text = uloha.text;
    }
    zprava.bodyParts = {cast};
    zprava.attachments.clear();
    if (uloha.test) return;
    for (const std::wstring& soubor : uloha.prilohy) {
        Priloha priloha;
        priloha.path = soubor;
        priloha.inlinePriloha = true;
        zprava.attachments.push_back(std::move(priloha));
    }
}

VysledekEmailu VlaknoOdeslaniEmailu(const UlohaEmailu& uloha, std::unique_ptr<Soket> soket, std::stop_token stop,
                                    Zprava* zpravaZvenku) {
    if (auto chyba = ChybaUlohy(uloha); !chyba.empty()) return Selhani(L"kontrola adres", L"", chyba);
    if (!uloha.test) {
        std::error_code chyba;
        // The message of a snapshot that could not be attached would go out empty as a success.
        if (uloha.snimek.empty() || !std::filesystem::is_regular_file(std::filesystem::path(uloha.snimek), chyba))
            return Selhani(L"příprava příloh", L"",
                           Knihovna::Formatovat(L"Soubor snímku \"%s\" neexistuje.", uloha.snimek.c_str()));
        if (auto velikost = ChybaVelikostiPriloh(uloha.prilohy)) return Selhani(L"příprava příloh", L"", *velikost);
    }
    const auto server = Knihovna::RozlozitServer(uloha.ucet.server);

    Zprava vlastni;
    Zprava& zprava = zpravaZvenku ? *zpravaZvenku : vlastni;
    SestavitZpravu(uloha, zprava);

    Soket* spojeni = soket.get();
    SmtpDispatch smtp(std::move(soket));
    // From here a stop request cuts the connection: every wait of the dialogue ends at once.
    std::stop_callback preruseni(stop, [spojeni] { spojeni->Prerusit(); });
    smtp.extended = true;
    smtp.timeoutSeconds = uloha.casovyLimitS;
    smtp.port = server->port.value_or(uloha.vychoziPort);
    smtp.pauzaPredPozdravemMs = uloha.pauzaPredPozdravemMs;
    if (!uloha.ucet.id.empty()) smtp.userName = uloha.ucet.id;
    if (!uloha.ucet.heslo.empty()) smtp.password = uloha.ucet.heslo;
    smtp.zabezpeceni = uloha.ucet.zabezpeceni;
    smtp.zabalitTls = uloha.zabalitTls;

    auto selhani = [&](std::wstring krok, std::wstring odpoved) {
        if (stop.stop_requested()) return Selhani(krok, odpoved, L"Odesílání bylo přerušeno.");
        std::wstring text = TextSelhani(krok, odpoved);
        return Selhani(std::move(krok), std::move(odpoved), std::move(text));
    };

    if (!smtp.Connect(server->hostitel)) {
        std::wstring krok = smtp.PosledniKrok();
        if (krok == L"překlad adresy serveru" || krok == L"připojení k serveru") {
            if (stop.stop_requested()) return Selhani(krok, L"", L"Odesílání bylo přerušeno.");
            const wchar_t* vzor = krok == L"překlad adresy serveru" ? L"Server \"%s\" nebyl nalezen."
                                                                      : L"K serveru \"%s\" (port %d) se nelze připojit.";
            return Selhani(krok, L"", Knihovna::Formatovat(vzor, server->hostitel.c_str(), static_cast<int>(smtp.port)));
        }
        // The connection could not be secured: the text says why (a refused certificate, no STARTTLS, ...).
        if (!smtp.ChybaZabezpeceni().empty() && !stop.stop_requested())
            return Selhani(std::move(krok), smtp.LastReply(), smtp.ChybaZabezpeceni());
        return selhani(std::move(krok), smtp.LastReply());
    }
    int kod = -1;
    try {
        kod = smtp.SendMail(zprava);
    } catch (const Knihovna::Chyba& chyba) {
        return Selhani(L"sestavení zprávy", L"", chyba.Text());
    }
    VysledekEmailu vysledek;
    if (kod != 0) {
        std::wstring krok = smtp.PosledniKrok(), odpoved = smtp.LastReply();
        if (krok == L"MAIL FROM" && !smtp.odmitnutePrihlaseni.empty()) {
            krok = L"AUTH LOGIN";
            odpoved = smtp.odmitnutePrihlaseni;
        }
        vysledek = selhani(std::move(krok), std::move(odpoved));
        // All refused: each refusal stays in the failure's report.
        vysledek.odmitnute = smtp.odmitnute;
    } else if (!smtp.VynechanePrilohy().empty()) {
        vysledek = Selhani(L"příprava příloh", L"",
                           Knihovna::Formatovat(L"Soubor \"%s\" nelze přečíst.", smtp.VynechanePrilohy().front().c_str()));
    } else {
        vysledek.odeslano = true;
        vysledek.odmitnute = smtp.odmitnute;
    }
    smtp.Close();
    return vysledek;
}

}  // namespace Holvent::Email
