// The display models. `Modelo` keeps its text, as the configuration, "setmode="
// and the automation give it; commands that act per model switch on this.
#pragma once
#include <string_view>

namespace lumora {

enum class DisplayModel {
  Typed,    // "0": text typed letter by letter into MsgMd0
  Picture,  // "1": the picture screen with the message line below it
  Page,     // "2": an HTML page in the web view
  Canvas,   // "3": word-wrapped text drawn on the model-3 page
  Other,    // any other text: no model's output
};

constexpr DisplayModel ModelOf(std::string_view modelo) {
  if (modelo.size() != 1) return DisplayModel::Other;
  switch (modelo[0]) {
    case '0': return DisplayModel::Typed;
    case '1': return DisplayModel::Picture;
    case '2': return DisplayModel::Page;
    case '3': return DisplayModel::Canvas;
    default: return DisplayModel::Other;
  }
}

}  // namespace lumora
