// Placeholder of the recording branch until the multiplexer and the file sink arrive: every start fails.
#include "video/win/ZachytavaniVidea.h"

namespace Holvent::DirectShow {

bool ZachytavaniVidea::Zaznamenava() const { return false; }
void ZachytavaniVidea::ZaznamAviStart(const std::wstring&, bool, std::int32_t, std::int32_t, std::int32_t) {
    Knihovna::Vyhodit(Knihovna::kE_NOTIMPL);
}
void ZachytavaniVidea::NacistSystemovyProfil(std::uint32_t, std::uint32_t) { Knihovna::Vyhodit(Knihovna::kE_NOTIMPL); }
void ZachytavaniVidea::NacistProfilPrx(const std::wstring&) { Knihovna::Vyhodit(Knihovna::kE_NOTIMPL); }
void ZachytavaniVidea::ZaznamWmvStart(const std::wstring&) { Knihovna::Vyhodit(Knihovna::kE_NOTIMPL); }
void ZachytavaniVidea::ZaznamStop() {}
std::uint64_t ZachytavaniVidea::VelikostZaznamu() const { return 0; }

}  // namespace Holvent::DirectShow
