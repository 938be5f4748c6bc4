#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: say which and stop, so that libFuzzer
// keeps the input as a crash.
#define FUZZ_CHECK(cond)                                                              \
    do {                                                                              \
        if (!(cond)) {                                                                \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                             \
        }                                                                             \
    } while (0)
