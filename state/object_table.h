// Finding object records: 8 lines per object, found by key among the first
// records (one per key of Objs), the first match winning.
#pragma once
#include <string_view>

#include "state/game_state.h"

namespace lumora {

constexpr int kRecordLines = 8;
enum RecordField { kKey = 0, kNom = 1, kDsc = 2, kLoc = 3, kShp = 4, kTag = 5 };

// The first line of the record whose key line equals key exactly, or -1. Only
// records 0 up to the number of keys - 1 are looked at.
int FindObjectRecord(const GameState& state, std::string_view key);

}  // namespace lumora
