#pragma once

#include <cstdint>
#include <exception>
#include <source_location>
#include <string>

namespace Knihovna {

// The program's COM status code; the same 32 bits as the platform's HRESULT.
using Hresult = std::int32_t;

constexpr Hresult kS_OK = 0;
constexpr Hresult kS_FALSE = 1;
constexpr Hresult kE_NOTIMPL = static_cast<Hresult>(0x80004001);
constexpr Hresult kE_NOINTERFACE = static_cast<Hresult>(0x80004002);
constexpr Hresult kE_POINTER = static_cast<Hresult>(0x80004003);
constexpr Hresult kE_ABORT = static_cast<Hresult>(0x80004004);
constexpr Hresult kE_FAIL = static_cast<Hresult>(0x80004005);
constexpr Hresult kE_UNEXPECTED = static_cast<Hresult>(0x8000FFFF);
constexpr Hresult kE_HANDLE = static_cast<Hresult>(0x80070006);
constexpr Hresult kE_OUTOFMEMORY = static_cast<Hresult>(0x8007000E);
constexpr Hresult kE_INVALIDARG = static_cast<Hresult>(0x80070057);

// Win32 error codes the portable code produces or tests for.
constexpr std::uint32_t kChybaSouborNenalezen = 2;      // ERROR_FILE_NOT_FOUND
constexpr std::uint32_t kChybaCestaNenalezena = 3;      // ERROR_PATH_NOT_FOUND
constexpr std::uint32_t kChybaPristupOdepren = 5;       // ERROR_ACCESS_DENIED
constexpr std::uint32_t kChybaNeplatnaData = 13;        // ERROR_INVALID_DATA
constexpr std::uint32_t kChybaSdileni = 32;             // ERROR_SHARING_VIOLATION
constexpr std::uint32_t kChybaNeplatnyParametr = 87;    // ERROR_INVALID_PARAMETER
constexpr std::uint32_t kChybaSpatnaCesta = 161;        // ERROR_BAD_PATHNAME
constexpr std::uint32_t kChybaJizExistuje = 183;        // ERROR_ALREADY_EXISTS
constexpr std::uint32_t kChybaViceDat = 234;            // ERROR_MORE_DATA
constexpr std::uint32_t kChybaZadneDalsiPolozky = 259;  // ERROR_NO_MORE_ITEMS
constexpr std::uint32_t kChybaKlicSmazan = 1018;        // ERROR_KEY_DELETED
constexpr std::uint32_t kChybaNesouhlasTypu = 1629;     // ERROR_DATATYPE_MISMATCH

// HRESULT_FROM_WIN32: 0 stays 0, a value that already is an HRESULT passes unchanged.
constexpr Hresult HresultZWin32(std::uint32_t kod) {
    if (static_cast<Hresult>(kod) <= 0) return static_cast<Hresult>(kod);
    return static_cast<Hresult>((kod & 0x0000FFFFu) | 0x80070000u);
}

constexpr bool Selhalo(Hresult hr) { return hr < 0; }

// The program's COM error: an HRESULT, an optional own text and the place it was raised.
class Chyba : public std::exception {
public:
    explicit Chyba(Hresult hr, std::wstring text = {},
                   std::source_location misto = std::source_location::current());

    Hresult Hr() const { return hr_; }
    // Own text of the failure (may be empty: then the system description of the code is shown).
    const std::wstring& Text() const { return text_; }
    const std::source_location& Misto() const { return misto_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    Hresult hr_;
    std::wstring text_;
    std::source_location misto_;
    std::string what_;
};

[[noreturn]] void Vyhodit(Hresult hr, std::wstring text = {},
                          std::source_location misto = std::source_location::current());

// Raises for a failed HRESULT (negative), returns it otherwise.
Hresult VyhoditPriChybe(Hresult hr, std::source_location misto = std::source_location::current());

// Raises for a non-zero Win32 error code.
void VyhoditPriChybeWin32(std::uint32_t kod, std::wstring text = {},
                          std::source_location misto = std::source_location::current());

template <class T>
T* VyhoditKdyzNull(T* ukazatel, Hresult hr = kE_POINTER,
                   std::source_location misto = std::source_location::current()) {
    if (!ukazatel) Vyhodit(hr, {}, misto);
    return ukazatel;
}

// The HRESULT of the exception being handled (inside a catch block): a COM error's own,
// E_OUTOFMEMORY for bad_alloc, E_FAIL for anything else. Never E_FAIL-less 0.
Hresult HresultAktualniVyjimky() noexcept;

// Text "0x%08X" of a code, for logs and the last line of a description.
std::wstring TextKodu(Hresult hr);

}  // namespace Knihovna
