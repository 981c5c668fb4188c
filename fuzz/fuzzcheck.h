#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold for every input; a breach ends the run so that
// the fuzzer keeps the input.
#define OV_FUZZ_CHECK(condition)                                                        \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                               \
        }                                                                               \
    } while (0)
