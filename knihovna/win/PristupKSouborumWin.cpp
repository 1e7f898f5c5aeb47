#include "knihovna/win/PristupKSouborumWin.h"

#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/UnikatniHandle.h"

namespace Knihovna::WinApi {

namespace {

class SouborWin final : public SouborProPripojeni {
public:
    SouborWin(UnikatniSoubor h, std::wstring cesta) : h_(std::move(h)), cesta_(std::move(cesta)) {}
    std::uint64_t Velikost() override {
        LARGE_INTEGER n{};
        if (!::GetFileSizeEx(h_.get(), &n)) VyhoditPosledniChybu();
        return static_cast<std::uint64_t>(n.QuadPart);
    }
    void Pripojit(const std::string& bajty) override {
        LARGE_INTEGER nula{};
        if (!::SetFilePointerEx(h_.get(), nula, nullptr, FILE_END)) VyhoditPosledniChybu();
        DWORD zapsano = 0;
        if (!::WriteFile(h_.get(), bajty.data(), static_cast<DWORD>(bajty.size()), &zapsano, nullptr) ||
            zapsano != bajty.size())
            VyhoditPosledniChybu();
    }
    void Zavrit() override {
        if (!h_.Zavrit()) VyhoditPosledniChybu();
    }

private:
    UnikatniSoubor h_;
    std::wstring cesta_;
};

}  // namespace

std::unique_ptr<SouborProPripojeni> PristupKSouborumWin::OtevritProPripojeni(const std::wstring& cesta) {
    UnikatniSoubor h(::CreateFileW(cesta.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) VyhoditPosledniChybu();
    return std::make_unique<SouborWin>(std::move(h), cesta);
}

}  // namespace Knihovna::WinApi
