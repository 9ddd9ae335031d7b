#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: say which one and abort, so that libFuzzer keeps the input.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}
