// Compiled without C++ exceptions (cmake/Win.cmake): the frame handler below is the only one of its function,
// and GCC would otherwise give the function its own.
#include "camera/win/StrazModulu.h"

#include <windows.h>
#include <excpt.h>

namespace {

// The code of the exception the filter below let end the guarded call, per thread.
thread_local volatile std::uint32_t tKod = 0;
thread_local bool tRezervaZasobniku = false;

// Stack kept free below the point where Windows raises a stack overflow: enough to dispatch the exception to
// the filter and unwind to the guard. (Wine 8 ignores it: it ends a thread whose stack reaches its last page,
// without dispatching anything; the caller then sees the call overrun its budget.)
constexpr ULONG kRezervaZasobniku = 64 * 1024;

using Volani = void (*)(void* kontext);

// The one guarded call. The scope the __try1 frame handler covers is the call alone: an exception that escapes
// it unwinds the plug-in's frames (running their cleanups) and resumes after __except1 with the code in tKod.
// noipa: never inlined or cloned, since the handler's labels may exist only once.
__attribute__((noipa)) std::uint32_t Strazit(Volani volani, void* kontext) {
    if (!tRezervaZasobniku) {
        ULONG rezerva = kRezervaZasobniku;
        tRezervaZasobniku = true;
        ::SetThreadStackGuarantee(&rezerva);
    }
    tKod = 0;
    __try1(StrazModuluFiltr)
    volani(kontext);
    __except1
    return tKod;
}

struct ZapisDoObrazu {
    void (*funkce)(void*, std::int32_t, std::int32_t);
    void* data;
    std::int32_t sirka, vyska;
};

void VolatZapisDoObrazu(void* kontext) {
    const auto* z = static_cast<const ZapisDoObrazu*>(kontext);
    z->funkce(z->data, z->sirka, z->vyska);
}

struct UpravaSnimku {
    void (*funkce)(void*);
    void* bitmapa;
};

void VolatUpravuSnimku(void* kontext) {
    const auto* u = static_cast<const UpravaSnimku*>(kontext);
    u->funkce(u->bitmapa);
}

}  // namespace

// The filter of the guard's scope, called by the system's __C_specific_handler only for what no frame of the
// plug-in handled: every such exception ends the call.
extern "C" __attribute__((used)) LONG StrazModuluFiltr(EXCEPTION_POINTERS* vyjimka, void* /*ramec*/) {
    tKod = vyjimka->ExceptionRecord->ExceptionCode;
    return EXCEPTION_EXECUTE_HANDLER;
}

std::uint32_t StrazVolatZapisDoObrazu(void (*funkce)(void*, std::int32_t, std::int32_t), void* data, std::int32_t sirka,
                                      std::int32_t vyska) {
    ZapisDoObrazu z{funkce, data, sirka, vyska};
    return Strazit(VolatZapisDoObrazu, &z);
}

std::uint32_t StrazVolatUpravuSnimku(void (*funkce)(void*), void* bitmapa) {
    UpravaSnimku u{funkce, bitmapa};
    return Strazit(VolatUpravuSnimku, &u);
}
