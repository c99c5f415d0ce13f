// The limits the fuzz targets decode with: smaller than the player's, so an input
// claiming a large picture costs milliseconds, not seconds, and the fuzzer keeps
// its pace; the refusal path is the same.
#pragma once
#include "view/picture_decoders.h"

namespace lumora {

inline const PictureLimits kFuzzLimits{2048, 2048 * 1024};

}  // namespace lumora
