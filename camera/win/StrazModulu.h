#pragma once

#include <cstdint>

// The guard around one call into a plug-in: whatever escapes the plug-in's own handlers (an access violation,
// a stack overflow, a C++ exception thrown out of it) ends here instead of taking the program down.
// Returns 0 when the call ended normally, else the exception's code (EXCEPTION_ACCESS_VIOLATION, 0xE06D7363 for
// a C++ throw, ...). Callable from any thread; the plug-in's state after a fault is unknown, so the caller
// switches it off.
extern "C" {
std::uint32_t StrazVolatZapisDoObrazu(void (*funkce)(void* data, std::int32_t sirka, std::int32_t vyska), void* data,
                                      std::int32_t sirka, std::int32_t vyska);
std::uint32_t StrazVolatUpravuSnimku(void (*funkce)(void* bitmapa), void* bitmapa);
}
