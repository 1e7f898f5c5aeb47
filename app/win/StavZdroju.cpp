#include "app/win/StavZdroju.h"

#include <winternl.h>

#include <algorithm>
#include <vector>

#include "knihovna/win/UnikatniHandle.h"
#include "video/win/ZiveObjekty.h"

namespace StavZdroju {
namespace {

using Holvent::DirectShow::ZiveObjekty;

// The threads and handles of this process from the system's process list. GetProcessHandleCount and
// GetGuiResources are stubs under Wine; this list comes from its server there and from the kernel on Windows.
// Wine's server gives the size of the process's handle table as its handle count: it grows in steps, so a leak
// shows once it has filled the table.
bool UdajeProcesu(ULONG& vlakna, ULONG& handly) {
    using Dotaz = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    const auto dotaz = reinterpret_cast<Dotaz>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!dotaz) return false;
    std::vector<unsigned char> data(256 * 1024);
    for (int pokus = 0; pokus < 6; ++pokus) {
        ULONG potreba = 0;
        const NTSTATUS st = dotaz(SystemProcessInformation, data.data(), static_cast<ULONG>(data.size()), &potreba);
        if (st == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH: the list grew meanwhile
            data.resize(std::max<size_t>(data.size() * 2, potreba + 64 * 1024));
            continue;
        }
        if (st < 0) return false;
        const auto ja = static_cast<ULONG_PTR>(::GetCurrentProcessId());
        for (size_t i = 0;;) {
            const auto* p = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(data.data() + i);
            if (reinterpret_cast<ULONG_PTR>(p->UniqueProcessId) == ja) {
                vlakna = p->NumberOfThreads;
                handly = p->HandleCount;
                return true;
            }
            if (!p->NextEntryOffset) return false;
            i += p->NextEntryOffset;
        }
    }
    return false;
}

}  // namespace

LRESULT Hodnota(WPARAM udaj) {
    switch (static_cast<Udaj>(udaj)) {
    case Udaj::RozhraniCom: return ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom);
    case Udaj::BitmapyGdiPlus: return ZiveObjekty::Pocet(ZiveObjekty::Druh::BitmapaGdiPlus);
    case Udaj::PrijemciSnimku: return ZiveObjekty::Pocet(ZiveObjekty::Druh::PrijemceSnimku);
    case Udaj::Vlakna:
    case Udaj::Handly: {
        ULONG vlakna = 0, handly = 0;
        if (!UdajeProcesu(vlakna, handly)) return -1;
        return static_cast<Udaj>(udaj) == Udaj::Vlakna ? vlakna : handly;
    }
    case Udaj::ObjektyGdi: return Knihovna::WinApi::ZiveObjektyGdi::Pocet();
    case Udaj::Pocet: break;
    }
    return -1;
}

}  // namespace StavZdroju
