#pragma once
// A property of a fuzz target: when it does not hold, the run stops with the condition and its place.
#include <cstdio>
#include <cstdlib>

#define OVERIT(podminka)                                                                              \
    do {                                                                                              \
        if (!(podminka)) {                                                                            \
            std::fprintf(stderr, "fuzz: neplatí %s (%s:%d)\n", #podminka, __FILE__, __LINE__);       \
            std::abort();                                                                             \
        }                                                                                             \
    } while (0)
