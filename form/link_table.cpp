// The link table's reset and its rotation.
#include "form/link_table.h"

namespace lumora {

void LinkTable::Reset() {
  for (int i = 0; i < 100; ++i)
    if (i < kBackgroundSlots.first || i > kBackgroundSlots.last) records[static_cast<size_t>(i)].active = false;
  nextScreen = kScreenSlots.first;
  nextPanel = kPanelSlots.first;
  nextBackground = kBackgroundSlots.first;
  nextModel3 = kModel3Slots.first;
}

LinkRecord& LinkTable::Take(const SlotGroup& group) {
  int& counter = group.first == kScreenSlots.first    ? nextScreen
                 : group.first == kPanelSlots.first   ? nextPanel
                 : group.first == kBackgroundSlots.first ? nextBackground
                                                      : nextModel3;
  if (counter < group.first || counter > group.last) counter = group.first;
  LinkRecord& record = records[static_cast<size_t>(counter)];
  counter = counter == group.last ? group.first : counter + 1;
  return record;
}

}  // namespace lumora
