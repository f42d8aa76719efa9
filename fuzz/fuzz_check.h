#pragma once

#include <cstdio>
#include <cstdlib>

// Ends the run when a harness finds a result that differs from its model, so libFuzzer keeps
// the input as a crash and the replay test fails on it.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
