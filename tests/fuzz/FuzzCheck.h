#pragma once

#include <cstdio>
#include <cstdlib>

// A property that a fuzz target found broken: stops the run as a crash would, so that
// libFuzzer keeps the input and the replay test fails on it.
#define KX_FUZZ_CHECK(condition, ...)                                                                                  \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);                      \
            std::fprintf(stderr, __VA_ARGS__);                                                                         \
            std::fprintf(stderr, "\n");                                                                                \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
