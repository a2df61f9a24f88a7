// The blitter's routines with sixteen lanes, built with AVX2 enabled for this
// file alone; the blitter uses them only when the processor reports AVX2.
#include "media/blit_draws.h"

namespace fg::kernels {

#if defined(FG_HAVE_AVX2_KERNELS) && defined(__AVX2__)
constinit const Table kAvx2 = makeTable<simd::Avx2>();
#endif

}  // namespace fg::kernels
