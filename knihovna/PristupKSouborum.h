#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace Knihovna {

// A file opened for appending: its size, one append, close. Failures raise a COM error.
class SouborProPripojeni {
public:
    virtual ~SouborProPripojeni() = default;
    virtual std::uint64_t Velikost() = 0;
    virtual void Pripojit(const std::string& bajty) = 0;
    virtual void Zavrit() = 0;
};

// Opens files for appending: created when missing, kept otherwise. The product's Win32
// implementation opens without sharing; the portable one serves native tests and tools.
class PristupKSouborum {
public:
    virtual ~PristupKSouborum() = default;
    virtual std::unique_ptr<SouborProPripojeni> OtevritProPripojeni(const std::wstring& cesta) = 0;
};

class PristupKSouborumStd final : public PristupKSouborum {
public:
    std::unique_ptr<SouborProPripojeni> OtevritProPripojeni(const std::wstring& cesta) override;
};

}  // namespace Knihovna
