// Finding object records: 8 lines per object, found by key among the first
// records (one per key of Objs), the first match winning.
#pragma once
#include <string>
#include <string_view>

#include "form/game_state.h"

namespace lumora {

constexpr int kRecordLines = 8;
enum RecordField { kKey = 0, kNom = 1, kDsc = 2, kLoc = 3, kShp = 4, kTag = 5 };

// The first line of the record whose key line equals key exactly, or -1. Only
// records 0 up to the number of keys - 1 are looked at.
int FindObjectRecord(const GameState& state, std::string_view key);

// The number of objects whose records commands look at: one per key, as far as
// the table holds whole records.
int ObjectCount(const GameState& state);

// The record line a property word names ("nom", "dsc", "loc", "shp", "tag"), or
// -1 for any other word.
int PropertyField(std::string_view property);

// A place argument: "loc", "@loc" and "@pos" stand for the current place posic;
// any other text ("jog", a place, an object key) is itself.
std::string PlaceWord(const std::string& place, const std::string& posic);

}  // namespace lumora
