// The link table: 100 clickable areas in four slot groups, each filled in
// rotation by its own next-slot counter.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace lumora {

struct LinkRecord {
  bool active = false;
  int32_t left = 0, top = 0, height = 0, width = 0;
  uint8_t cursor = 0;       // 0 the arrow, 1 the link cursor
  std::string picture;      // picture file name, or the words shown
  std::string script;       // script reference, "picFmap" or a web address
  std::string pressed;      // picture drawn while pressed; empty for none
  std::string sound;        // sound played on press; empty for none
};

// A slot group: records [first, last] (form/surfaces.h names their surfaces).
struct SlotGroup {
  int first, last;
};
constexpr SlotGroup kScreenSlots{0, 19};
constexpr SlotGroup kPanelSlots{20, 39};
constexpr SlotGroup kBackgroundSlots{40, 59};
constexpr SlotGroup kModel3Slots{60, 99};

struct LinkTable {
  std::array<LinkRecord, 100> records;
  int nextScreen = 0, nextPanel = 20, nextBackground = 40, nextModel3 = 60;

  // Screen, panel and model-3 areas become inactive and every counter restarts.
  // Background areas stay active across scripts until "linksoff" removes them.
  void Reset();

  // The record a group's counter points at; the counter then moves on,
  // wrapping to the group's first record after its last.
  LinkRecord& Take(const SlotGroup& group);
};

}  // namespace lumora
