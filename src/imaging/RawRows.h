#pragma once
// The second stage of the fast path: a PNG's image data inflated with libdeflate and its row
// filters undone into one scratch buffer kept for the next picture, band by band on both
// cores when the file has a band table that holds, else as one stream. The rows are checked
// against the image data's Adler-32, so damage shows here whichever way they were inflated.

#include "PixelSteps.h"
#include "PngFile.h"

namespace zuv {

// The raw rows of `png` (each a filter byte, then its samples), premultiplied when asked, with
// eight bytes of margin after the last row; null when the image data is damaged. Valid until
// the next call.
const uchar* inflateRows(const PngFile& png, bool premultiplied, const PixelSteps& steps);

// The bytes of the scratch buffers kept between pictures (the largest picture's raw rows).
qsizetype rawRowsScratchBytes();

}  // namespace zuv
