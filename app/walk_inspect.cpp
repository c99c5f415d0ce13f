// The walkthrough's inspector verbs: the edits the author makes in the
// inspector, given through the same engine functions and held the same way,
// without the inspector's window.
#include <memory>

#include "app/walkthrough.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "qt/main_window.h"
#include "shell/inspect.h"

namespace lumora {

bool Walkthrough::Inspect(const Action& a) {
  const std::vector<std::string>& w = a.words;
  if (w.size() < 2) return false;
  TForm1& f = f_;
  const std::string first = Cp1252FromUtf8(w[1]);
  std::function<bool()> edit;
  if (w[0] == "reg") {
    // The text is the rest of the line after the number, blanks inside it kept.
    const std::string text = Cp1252FromUtf8(a.After(2));
    const int n = IntOr(w[1], -1);
    edit = [&f, n, text] { return InspectSetRegister(f, n, text); };
  } else if (w[0] == "obj" && w.size() == 3) {
    const std::string place = Cp1252FromUtf8(w[2]);
    edit = [&f, first, place] { return InspectMoveObject(f, first, place); };
  } else if (w[0] == "go" && w.size() == 2) {
    edit = [&f, first] { return InspectGoTo(f, first); };
  } else {
    return false;
  }
  // While a script runs the edit waits for its end: no verdict yet.
  auto done = std::make_shared<int>(-1);
  window_.EditBetweenRuns([edit, done] { *done = edit() ? 1 : 0; });
  return *done != 0;
}

}  // namespace lumora
