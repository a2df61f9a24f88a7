// The blitter's routines for the baseline instruction set every x86-64
// processor has (SSE2); plain scalar loops elsewhere.
#include "media/blit_draws.h"

namespace fg::kernels {

#if defined(__SSE2__)
constinit const Table kSse2 = makeTable<simd::Sse2>();
#else
constinit const Table kSse2 = makeTable<rows::NoLanes>();
#endif

}  // namespace fg::kernels
