#pragma once

#include <cstdint>
#include <string>

namespace Holvent::DirectShow {

// What a camera's recording needs of its capture object. Everything runs on the camera's UI thread;
// failures raise Knihovna::Chyba (its text, when set, is the capture object's own explanation).
class RozhraniZaznamu {
public:
    virtual ~RozhraniZaznamu() = default;

    // The capture graph exists and runs.
    virtual bool GrafZapnut() const = 0;
    // A recording branch (multiplexer or writer) is in the graph.
    virtual bool Zaznamenava() const = 0;
    // Adds the AVI branch (sound from the audio device when asked; width, height or rate 0: the device's)
    // and runs the graph. A failure removes whatever it added and runs the preview again.
    virtual void ZaznamAviStart(const std::wstring& soubor, bool zvuk, std::int32_t sirka, std::int32_t vyska,
                                std::int32_t snimkuZaSekundu) = 0;
    // Loads the encoding profile: a system one (index and version 0x70000/0x80000) or a .prx file.
    virtual void NacistSystemovyProfil(std::uint32_t index, std::uint32_t verze) = 0;
    virtual void NacistProfilPrx(const std::wstring& cesta) = 0;
    // Adds the ASF writer branch with the loaded profile and runs the graph; on failure as ZaznamAviStart.
    virtual void ZaznamWmvStart(const std::wstring& soubor) = 0;
    // Finishes the file (the multiplexer's or writer's stop writes its index and header) and removes the
    // branch; the preview runs on. Nothing when not recording.
    virtual void ZaznamStop() = 0;
    // Bytes of the recording so far (AVI: what the sink wrote; WMV: the file's size); 0 when not recording.
    virtual std::uint64_t VelikostZaznamu() const = 0;
};

// Free space the disk must keep while recording: 16 MiB and 1 % of what the recording wrote so far.
inline constexpr std::uint64_t RezervaDisku(std::uint64_t zaznamenano) {
    return (std::uint64_t{16} << 20) + zaznamenano / 100;
}

}  // namespace Holvent::DirectShow
