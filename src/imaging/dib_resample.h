// Moving a picture between two pixel buffers: an exact copy between buffers
// of one size, and bilinear resampling between buffers of any sizes.
#pragma once

#include "imaging/dib_section.h"

namespace zefrin {

// Copies the pixel bytes of equally sized buffers; padding is left alone.
// Does nothing when the sizes differ or either buffer is empty.
void copyDibPixels(const cDIBSection& source, cDIBSection& destination);

// Fills destination with source resampled bilinearly. The steps are
// xScale = (Sw - 1) / Dw (single precision, the destination size as divisor,
// so the last source column is never reached exactly), sx = xScale * c,
// xi = floor(sx), fx = sx - xi, likewise for rows in their bottom-up order;
// per channel left = round((1 - fy) * S(xi, yi) + fy * S(xi, yi + 1)), right
// the same one column on, result = round((1 - fx) * left + fx * right), all
// rounding halves to even, clamped to 0..255. A neighbour beyond the last
// column or row (one-pixel-wide or -high sources) reads the last one; its
// weight is zero anyway. Does nothing when either buffer is empty.
void resampleBilinear(const cDIBSection& source, cDIBSection& destination);

}  // namespace zefrin
