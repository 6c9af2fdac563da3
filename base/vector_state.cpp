#include "base/vector_state.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TROCHELA_X86_VECTOR_STATE 1
#endif

namespace base {

#ifdef TROCHELA_X86_VECTOR_STATE
namespace {

// Compiled for processors with AVX and called only on them: the program
// itself is built for the baseline instruction set.
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

const bool kHasAvx = __builtin_cpu_supports("avx");

}  // namespace

void ClearUpperVectorState() {
  if (kHasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif

}  // namespace base
