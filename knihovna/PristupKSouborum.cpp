#include "knihovna/PristupKSouborum.h"

#include <filesystem>
#include <fstream>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

namespace Knihovna {

namespace {

class SouborStd final : public SouborProPripojeni {
public:
    SouborStd(std::filesystem::path cesta, std::wstring text) : cesta_(std::move(cesta)), text_(std::move(text)) {
        std::error_code ec;
        if (!std::filesystem::exists(cesta_, ec)) {
            std::ofstream novy(cesta_, std::ios::binary);
            if (!novy) Vyhodit(HresultZWin32(kChybaCestaNenalezena), Formatovat(L"Soubor \"%s\" nelze vytvořit.", text_.c_str()));
        }
    }
    std::uint64_t Velikost() override {
        std::error_code ec;
        const auto n = std::filesystem::file_size(cesta_, ec);
        if (ec) Vyhodit(kE_FAIL, Formatovat(L"Velikost souboru \"%s\" nelze zjistit.", text_.c_str()));
        return n;
    }
    void Pripojit(const std::string& bajty) override {
        std::ofstream f(cesta_, std::ios::binary | std::ios::app);
        f.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
        f.close();
        if (!f) Vyhodit(kE_FAIL, Formatovat(L"Do souboru \"%s\" nelze zapisovat.", text_.c_str()));
    }
    void Zavrit() override {}

private:
    std::filesystem::path cesta_;
    std::wstring text_;
};

}  // namespace

std::unique_ptr<SouborProPripojeni> PristupKSouborumStd::OtevritProPripojeni(const std::wstring& cesta) {
    std::filesystem::path p(cesta);
    return std::make_unique<SouborStd>(p, cesta);
}

}  // namespace Knihovna
