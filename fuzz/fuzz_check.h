#pragma once

#include <cstdio>
#include <cstdlib>

// A property the code under fuzzing must keep. A broken one prints the condition and aborts, so
// libFuzzer reports it like a crash and keeps the input. Unlike assert it stays on in optimised
// builds.
#define GUIVARNA_FUZZ_CHECK(condition)                                                             \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
