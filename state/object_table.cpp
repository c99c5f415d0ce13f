// Finding object records.
#include "state/object_table.h"

namespace lumora {

int FindObjectRecord(const GameState& state, std::string_view key) {
  const size_t records = std::min(state.objs.size(), state.objectTable.size() / kRecordLines);
  for (size_t k = 0; k < records; ++k)
    if (state.objectTable[k * kRecordLines] == key) return static_cast<int>(k * kRecordLines);
  return -1;
}

}  // namespace lumora
