#include "video/KoderyObrazu.h"

#include "knihovna/Text.h"

namespace Holvent::DirectShow {

const KoderObrazu* KoderFormatu(std::uint32_t format) {
    return format < kKoderyObrazu.size() ? &kKoderyObrazu[format] : nullptr;
}

int IndexKoderu(std::wstring_view mime) {
    for (int i = 0; i < kPocetKoderu; ++i) {
        if (Knihovna::StejneBezVelikosti(kKoderyObrazu[static_cast<size_t>(i)].mime, mime)) return i;
    }
    return -1;
}

}  // namespace Holvent::DirectShow
