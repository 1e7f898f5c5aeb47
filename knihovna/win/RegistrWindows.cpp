#include "knihovna/win/RegistrWindows.h"

#include <windows.h>
#include <shlwapi.h>

namespace Knihovna::WinApi {

namespace {

class KlicWindows final : public OtevrenyKlic {
public:
    explicit KlicWindows(HKEY h) : h_(h) {}
    ~KlicWindows() override {
        if (h_) ::RegCloseKey(h_);
    }
    std::uint32_t CistHodnotu(const std::wstring& jmeno, std::uint32_t* typ, void* data,
                              std::uint32_t* velikost) override {
        DWORD t = 0, n = velikost ? *velikost : 0;
        const LONG r = ::RegQueryValueExW(h_, jmeno.c_str(), nullptr, &t, static_cast<BYTE*>(data), velikost ? &n : nullptr);
        if (typ) *typ = t;
        if (velikost) *velikost = n;
        return static_cast<std::uint32_t>(r);
    }
    std::uint32_t ZapsatHodnotu(const std::wstring& jmeno, std::uint32_t typ, const void* data,
                                std::uint32_t velikost) override {
        return static_cast<std::uint32_t>(
            ::RegSetValueExW(h_, jmeno.c_str(), 0, typ, static_cast<const BYTE*>(data), velikost));
    }
    std::uint32_t SmazatHodnotu(const std::wstring& jmeno) override {
        return static_cast<std::uint32_t>(::RegDeleteValueW(h_, jmeno.c_str()));
    }
    std::uint32_t VyctiHodnotu(std::uint32_t index, std::wstring& jmeno) override {
        wchar_t buf[16384];
        DWORD n = 16384;
        const LONG r = ::RegEnumValueW(h_, index, buf, &n, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_SUCCESS) jmeno.assign(buf, n);
        return static_cast<std::uint32_t>(r);
    }
    std::uint32_t VyctiPodklic(std::uint32_t index, std::wstring& jmeno) override {
        wchar_t buf[256];
        DWORD n = 256;
        const LONG r = ::RegEnumKeyExW(h_, index, buf, &n, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_SUCCESS) jmeno.assign(buf, n);
        return static_cast<std::uint32_t>(r);
    }
    std::uint32_t Zavrit() override {
        if (!h_) return ERROR_INVALID_HANDLE;
        const LONG r = ::RegCloseKey(h_);
        h_ = nullptr;
        return static_cast<std::uint32_t>(r);
    }

private:
    HKEY h_;
};

}  // namespace

std::uint32_t RegistrWindows::Otevrit(const std::wstring& cesta, bool vytvorit, std::unique_ptr<OtevrenyKlic>& klic) {
    HKEY h = nullptr;
    const LONG r = vytvorit ? ::RegCreateKeyExW(HKEY_CURRENT_USER, cesta.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                kPristup, nullptr, &h, nullptr)
                            : ::RegOpenKeyExW(HKEY_CURRENT_USER, cesta.c_str(), 0, kPristup, &h);
    if (r != ERROR_SUCCESS) return static_cast<std::uint32_t>(r);
    klic = std::make_unique<KlicWindows>(h);
    return 0;
}

std::uint32_t RegistrWindows::SmazatStrom(const std::wstring& cesta) {
    return static_cast<std::uint32_t>(::SHDeleteKeyW(HKEY_CURRENT_USER, cesta.c_str()));
}

}  // namespace Knihovna::WinApi
