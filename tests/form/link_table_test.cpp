// The link table: reset and rotation of the slot groups.
#include <gtest/gtest.h>

#include "form/link_table.h"
#include "form/surfaces.h"

namespace lumora {
namespace {

TEST(LinkTable, ResetKeepsBackgroundAreasActiveAndRestartsEveryCounter) {
  LinkTable t;
  for (auto& r : t.records) r.active = true;
  t.nextScreen = 7;
  t.nextPanel = 33;
  t.nextBackground = 51;
  t.nextModel3 = 99;
  t.Reset();
  for (int i = 0; i < 100; ++i) EXPECT_EQ(t.records[static_cast<size_t>(i)].active, i >= 40 && i <= 59) << i;
  EXPECT_EQ(t.nextScreen, 0);
  EXPECT_EQ(t.nextPanel, 20);
  EXPECT_EQ(t.nextBackground, 40);
  EXPECT_EQ(t.nextModel3, 60);
}

TEST(LinkTable, EachGroupFillsInRotationAndWraps) {
  const struct {
    SlotGroup group;
    int size;
  } cases[] = {{kScreenSlots, 20}, {kPanelSlots, 20}, {kBackgroundSlots, 20}, {kModel3Slots, 40}};
  for (const auto& c : cases) {
    LinkTable t;
    for (int k = 0; k < c.size; ++k) {
      LinkRecord& r = t.Take(c.group);
      EXPECT_EQ(&r - t.records.data(), c.group.first + k) << "slots from " << c.group.first;
    }
    // The next one wraps to the group's first record; other groups are untouched.
    EXPECT_EQ(&t.Take(c.group) - t.records.data(), c.group.first) << "slots from " << c.group.first;
    EXPECT_EQ(&t.Take(c.group) - t.records.data(), c.group.first + 1) << "slots from " << c.group.first;
  }
  LinkTable t;
  t.Take(kScreenSlots);
  EXPECT_EQ(&t.Take(kPanelSlots) - t.records.data(), 20);
  EXPECT_EQ(&t.Take(kScreenSlots) - t.records.data(), 1);
}

}  // namespace
// The surface table is looked up by id as an index and by its words: each row
// is found again by every name it has, and only the picture surfaces are drawn on.
TEST(SurfaceTable, EveryRowIsFoundByItsIdAndItsWords) {
  size_t count = 0;
  const SurfaceRow* rows = SurfaceRows(count);
  ASSERT_EQ(count, 7u);
  for (size_t i = 0; i < count; ++i) {
    const SurfaceRow& r = rows[i];
    EXPECT_EQ(&Surface(r.id), &r) << r.automationWord;
    EXPECT_EQ(AutomationSurface(r.automationWord), &r) << r.automationWord;
    if (r.scriptWord) EXPECT_EQ(ScriptSurface(r.scriptWord), &r) << r.automationWord;
    EXPECT_EQ(r.areas != nullptr, r.id != SurfaceId::MapJog && r.id != SurfaceId::Voce) << r.automationWord;
  }
  for (const char* word : {"tel", "fnc", "pan"}) EXPECT_NE(DrawnSurface(word), nullptr) << word;
  for (const char* word : {"md3", "aber", "TEL", ""}) EXPECT_EQ(DrawnSurface(word), nullptr) << word;
}

}  // namespace lumora
