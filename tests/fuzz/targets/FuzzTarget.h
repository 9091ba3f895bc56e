#pragma once

// One fuzz target: a function fed arbitrary bytes. Built for libFuzzer
// (scripts/fuzz, QUILLMERE_LIBFUZZER defined) it is the fuzzer's entry; the
// suite's replay test (tests/fuzz/tst_fuzzreplay.cpp) calls the same
// function with every kept input.
#include <cstddef>
#include <cstdint>

#ifdef QUILLMERE_LIBFUZZER
#define QUILLMERE_FUZZ_TARGET(function)                                                            \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)                       \
    {                                                                                              \
        function(data, size);                                                                      \
        return 0;                                                                                  \
    }
#else
#define QUILLMERE_FUZZ_TARGET(function)
#endif
