#pragma once
// What a fuzz target asserts: a broken invariant stops the run with its name,
// and libFuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>

inline void check(bool condition, const char* what = "invariant") {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
