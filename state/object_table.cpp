// Finding object records and reading their fields.
#include "state/object_table.h"

#include <algorithm>

namespace lumora {

int FindObjectRecord(const GameState& state, std::string_view key) {
  const size_t records = static_cast<size_t>(ObjectCount(state));
  for (size_t k = 0; k < records; ++k)
    if (state.objectTable[k * kRecordLines] == key) return static_cast<int>(k * kRecordLines);
  return -1;
}

int ObjectCount(const GameState& state) {
  return static_cast<int>(std::min(state.objs.size(), state.objectTable.size() / kRecordLines));
}

int PropertyField(std::string_view property) {
  if (property == "nom") return kNom;
  if (property == "dsc") return kDsc;
  if (property == "loc") return kLoc;
  if (property == "shp") return kShp;
  if (property == "tag") return kTag;
  return -1;
}

std::string PlaceWord(const std::string& place, const std::string& posic) {
  return place == "loc" || place == "@loc" || place == "@pos" ? posic : place;
}

}  // namespace lumora
