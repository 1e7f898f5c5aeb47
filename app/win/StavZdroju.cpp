#include "app/win/StavZdroju.h"

#include <winternl.h>

#include <algorithm>
#include <vector>

#include "knihovna/win/UnikatniHandle.h"
#include "video/win/ZiveObjekty.h"

namespace StavZdroju {
namespace {

using Holvent::DirectShow::ZiveObjekty;

// One of the system's lists (NtQuerySystemInformation of the class); false when it cannot be read.
bool SeznamSystemu(ULONG trida, std::vector<unsigned char>& data) {
    using Dotaz = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto dotaz = reinterpret_cast<Dotaz>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!dotaz) return false;
    data.resize(256 * 1024);
    for (int pokus = 0; pokus < 6; ++pokus) {
        ULONG potreba = 0;
        const NTSTATUS st = dotaz(trida, data.data(), static_cast<ULONG>(data.size()), &potreba);
        if (st == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH: the list grew meanwhile
            data.resize(std::max<size_t>(data.size() * 2, potreba + 64 * 1024));
            continue;
        }
        return st >= 0;
    }
    return false;
}

// The threads and handles of this process from the system's process list. GetProcessHandleCount and
// GetGuiResources are stubs under Wine; this list comes from its server there and from the kernel on Windows.
// Wine's server gives the size of the process's handle table as its handle count: it grows in steps, so a leak
// shows once it has filled the table.
bool UdajeProcesu(ULONG& vlakna, ULONG& handly) {
    std::vector<unsigned char> data;
    if (!SeznamSystemu(SystemProcessInformation, data)) return false;
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

// The registry keys this process holds open: its entries in the system's handle list whose object type is that of
// a key opened for the count (type numbers differ between systems). -1 when the list cannot be read.
LRESULT OtevreneKlice() {
    // SYSTEM_HANDLE_TABLE_ENTRY_INFO_EX of SystemExtendedHandleInformation (64).
    struct Polozka {
        PVOID objekt;
        ULONG_PTR proces;
        ULONG_PTR handle;
        ULONG pristup;
        USHORT tvurce;
        USHORT typ;
        ULONG atributy;
        ULONG rezerva;
    };
    HKEY vzor = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &vzor) != ERROR_SUCCESS) return -1;
    std::vector<unsigned char> data;
    LRESULT pocet = -1;
    if (SeznamSystemu(64, data)) {
        const auto celkem = *reinterpret_cast<const ULONG_PTR*>(data.data());
        const auto* p = reinterpret_cast<const Polozka*>(data.data() + 2 * sizeof(ULONG_PTR));
        const auto ja = static_cast<ULONG_PTR>(::GetCurrentProcessId());
        int typ = -1;
        for (ULONG_PTR i = 0; i < celkem && typ < 0; ++i)
            if (p[i].proces == ja && p[i].handle == reinterpret_cast<ULONG_PTR>(vzor)) typ = p[i].typ;
        if (typ >= 0) {
            pocet = -1;  // the key opened for the count
            for (ULONG_PTR i = 0; i < celkem; ++i)
                if (p[i].proces == ja && p[i].typ == typ) ++pocet;
        }
    }
    ::RegCloseKey(vzor);
    return pocet;
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
    case Udaj::KliceRegistru: return OtevreneKlice();
    case Udaj::Pocet: break;
    }
    return -1;
}

}  // namespace StavZdroju
