#include "camera/HlidaniMista.h"

namespace {

constexpr std::uint32_t kChybaDiskPlny = 112;       // ERROR_DISK_FULL
constexpr std::uint32_t kChybaHandleDiskPlny = 39;  // ERROR_HANDLE_DISK_FULL
constexpr Knihovna::Hresult kStgMediumPlne = static_cast<Knihovna::Hresult>(0x80030070);  // STG_E_MEDIUMFULL

}  // namespace

bool HlidaniMista::Nahlasit(std::uint32_t tiky) {
    // Unsigned difference: right across the tick counter's wrap after 49.7 days.
    if (nahlaseno_ && tiky - *nahlaseno_ < kOdstupHlaseni) return false;
    nahlaseno_ = tiky;
    return true;
}

bool JeNedostatekMista(Knihovna::Hresult hr) {
    using Knihovna::HresultZWin32;
    return hr == HresultZWin32(kChybaDiskPlny) || hr == HresultZWin32(kChybaHandleDiskPlny) ||
           hr == static_cast<Knihovna::Hresult>(kChybaDiskPlny) ||
           hr == static_cast<Knihovna::Hresult>(kChybaHandleDiskPlny) || hr == kStgMediumPlne;
}
