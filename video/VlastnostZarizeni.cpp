#include "video/VlastnostZarizeni.h"

namespace Holvent::DirectShow {

namespace {

template <std::size_t N>
std::array<VlastnostZarizeni, N> Vychozi(const std::array<std::int32_t, N>& id) {
    std::array<VlastnostZarizeni, N> v{};
    for (std::size_t i = 0; i < N; ++i) v[i].idVlastnosti = id[i];
    return v;
}

}  // namespace

VlastnostiObrazu VychoziVlastnostiObrazu() { return Vychozi(kIdVlastnostiObrazu); }
VlastnostiOvladani VychoziVlastnostiOvladani() { return Vychozi(kIdVlastnostiOvladani); }

}  // namespace Holvent::DirectShow
