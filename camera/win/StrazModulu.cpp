#include "camera/win/StrazModulu.h"

// Provisional: calls straight through until the frame-based handler is in place.
std::uint32_t StrazVolatZapisDoObrazu(void (*funkce)(void*, std::int32_t, std::int32_t), void* data, std::int32_t sirka,
                                      std::int32_t vyska) {
    funkce(data, sirka, vyska);
    return 0;
}

std::uint32_t StrazVolatUpravuSnimku(void (*funkce)(void*), void* bitmapa) {
    funkce(bitmapa);
    return 0;
}
