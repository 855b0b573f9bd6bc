#pragma once

#include <cstdio>
#include <cstdlib>

// libFuzzer calls LLVMFuzzerTestOneInput. The regression test links every
// target into one program, where each is compiled under a name of its own.
#ifndef FUZZ_ENTRY
#define FUZZ_ENTRY LLVMFuzzerTestOneInput
#endif

// A property every input must keep. A broken one aborts, which the fuzzer
// reports as a finding and the regression tests as a failure.
#define FUZZ_CHECK(condition)                                                          \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__,   \
                         #condition);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (false)
