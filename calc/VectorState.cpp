#include "calc/VectorState.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>

namespace {

// Compiled for AVX on its own and only called where the processor has it, so
// the program as a whole still runs on any x86-64.
__attribute__((target("avx"))) void ZeroUpperHalves() {
    _mm256_zeroupper();
}

bool HasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

}  // namespace

void ClearUpperVectorHalves() {
    static const bool hasAvx = HasAvx();
    if (hasAvx) ZeroUpperHalves();
}

#else

void ClearUpperVectorHalves() {}

#endif
