#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "camera/SeznamyVolaniModulu.h"
#include "camera/ZasuvnyModul.h"

// A camera's loaded snapshot plug-ins: the libraries of its list, their exports and the five call lists.
// Loaded and unloaded on the camera's UI thread while no frame callback runs.
class ZasuvneModuly {
public:
    // "UpravaSnimkuDisk" and the other snapshot functions: the snapshot's Gdiplus::Bitmap.
    using FunkceSnimku = void (*)(void* bitmapa);
    // "ZapisDoObrazu": the frame's bottom-up 24-bit pixels, its width and height.
    using FunkceObrazu = void (*)(void* data, std::int32_t sirka, std::int32_t vyska);

    struct Modul {
        std::wstring jmeno;
        std::wstring cesta;
        // Empty when the library could not be loaded. Shared with the call lists and the calls running: the
        // library is freed when the last of them lets it go.
        std::shared_ptr<void> knihovna;
        FunkceObrazu zapisDoObrazu = nullptr;
        FunkceSnimku disk = nullptr;
        FunkceSnimku email = nullptr;
        FunkceSnimku ftp = nullptr;
        FunkceSnimku http = nullptr;
    };

    ZasuvneModuly() = default;
    ZasuvneModuly(const ZasuvneModuly&) = delete;
    ZasuvneModuly& operator=(const ZasuvneModuly&) = delete;
    ~ZasuvneModuly() { Uvolnit(); }

    // The name a library gets when it is added: the "ProductName" of its version information, or its file
    // name when that is missing or empty (made unique and valid by the list afterwards).
    static std::wstring JmenoKnihovny(const std::wstring& cesta);

    // Unloads, then loads every entry's library in list order and builds the call lists from the exports
    // and the entry's switches. A library that cannot be loaded (a relative path included) keeps its entry
    // without library; the load message of each such failure is returned, in list order.
    std::vector<std::wstring> Nacist(const std::vector<ZasuvnyModul>& seznam);
    // Frees every library and clears the entries and the call lists (a library still held by a call stays).
    void Uvolnit();
    // Takes the plug-in at index out of every call list until the next load (after a fault or an overrun).
    void Vypnout(std::size_t index);
    // Counts the loads: a report about a plug-in of an earlier load names another library.
    std::uint64_t Generace() const { return generace_; }

    const std::vector<Modul>& Moduly() const { return moduly_; }
    const SeznamyVolaniModulu& Seznamy() const { return seznamy_; }

private:
    std::vector<Modul> moduly_;
    SeznamyVolaniModulu seznamy_;
    std::vector<ZasuvnyModul> seznam_;
    std::vector<ExportyModulu> exporty_;
    std::uint64_t generace_ = 0;
};
