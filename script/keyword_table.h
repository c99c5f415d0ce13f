// The one keyword table, in dispatch order.
#pragma once
#include <span>

#include "script/interp.h"

namespace lumora {

std::span<const KeywordRow> KeywordTable();

}  // namespace lumora
