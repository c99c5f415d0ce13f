// The surface table.
#include "form/surfaces.h"

#include <iterator>

#include "form/form1.h"

namespace lumora {
namespace {

// clang-format off
const SurfaceRow kSurfaces[] = {
  // id                 script   automation  areas              control           buffer                 drawn
  {SurfaceId::Tela,    "tel",   "tel",      &kScreenSlots,     &TForm1::Tela,    &TForm1::screenBuffer, true},
  {SurfaceId::TelCmd,  "fnc",   "fnc",      &kPanelSlots,      &TForm1::TelCmd,  &TForm1::panelBuffer,  true},
  {SurfaceId::Imp,     "pan",   "pan",      &kBackgroundSlots, &TForm1::Imp,     nullptr,               true},
  {SurfaceId::Tela3,   "md3",   "md3",      &kModel3Slots,     &TForm1::Tela3,   nullptr,               false},
  {SurfaceId::TelAber, nullptr, "aber",     &kBackgroundSlots, &TForm1::TelAber, nullptr,               false},
  {SurfaceId::MapJog,  nullptr, "map",      nullptr,           &TForm1::MapJog,  nullptr,               false},
  {SurfaceId::Voce,    nullptr, "marker",   nullptr,           &TForm1::Voce,    nullptr,               false},
};
// clang-format on

}  // namespace

const SurfaceRow* SurfaceRows(size_t& count) {
  count = std::size(kSurfaces);
  return kSurfaces;
}

const SurfaceRow& Surface(SurfaceId id) { return kSurfaces[static_cast<size_t>(id)]; }

const SurfaceRow* ScriptSurface(std::string_view word) {
  for (const SurfaceRow& r : kSurfaces)
    if (r.scriptWord && word == r.scriptWord) return &r;
  return nullptr;
}

const SurfaceRow* DrawnSurface(std::string_view word) {
  const SurfaceRow* r = ScriptSurface(word);
  return r && r->drawn ? r : nullptr;
}

bool NamesSurface(std::string_view word, SurfaceId id) {
  const SurfaceRow* r = ScriptSurface(word);
  return r && r->id == id;
}

const SurfaceRow* AutomationSurface(std::string_view word) {
  for (const SurfaceRow& r : kSurfaces)
    if (word == r.automationWord) return &r;
  return nullptr;
}

}  // namespace lumora
