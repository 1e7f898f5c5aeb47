#include "knihovna/Chyba.h"

#include <cstdio>
#include <new>

namespace Knihovna {

Chyba::Chyba(Hresult hr, std::wstring text, std::source_location misto)
    : hr_(hr == 0 ? kE_FAIL : hr), text_(std::move(text)), misto_(misto) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Chyba 0x%08X", static_cast<unsigned>(hr_));
    what_ = buf;
}

void Vyhodit(Hresult hr, std::wstring text, std::source_location misto) {
    throw Chyba(hr, std::move(text), misto);
}

Hresult VyhoditPriChybe(Hresult hr, std::source_location misto) {
    if (Selhalo(hr)) throw Chyba(hr, {}, misto);
    return hr;
}

void VyhoditPriChybeWin32(std::uint32_t kod, std::wstring text, std::source_location misto) {
    if (kod != 0) throw Chyba(HresultZWin32(kod), std::move(text), misto);
}

Hresult HresultAktualniVyjimky() noexcept {
    try {
        throw;
    } catch (const Chyba& chyba) {
        return chyba.Hr();
    } catch (const std::bad_alloc&) {
        return kE_OUTOFMEMORY;
    } catch (...) {
        return kE_FAIL;
    }
}

std::wstring TextKodu(Hresult hr) {
    wchar_t buf[16];
    std::swprintf(buf, 16, L"0x%08X", static_cast<unsigned>(hr));
    return buf;
}

}  // namespace Knihovna
