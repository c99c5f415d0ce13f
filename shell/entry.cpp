// Entries from the window system into the engine, counted on the form.
#include "shell/entry.h"

#include "core/strings.h"
#include "core/trace.h"
#include "shell/guarded.h"
#include "state/state_files.h"

namespace lumora {
namespace {

// Counts one entry for as long as it lasts, however it is left: an exception
// other than ScriptError must not leave the program believing it is still inside.
class EntryScope {
 public:
  explicit EntryScope(TForm1& f) : f_(f) { ++f_.entryDepth; }
  ~EntryScope() { --f_.entryDepth; }
  EntryScope(const EntryScope&) = delete;
  EntryScope& operator=(const EntryScope&) = delete;

 private:
  TForm1& f_;
};

}  // namespace

bool EnterEngine(TForm1& f, const std::function<void()>& handler) {
  // Each nested entry sits on the stack of the one it interrupted: a player
  // typing faster than the pauses end would otherwise overflow it.
  if (f.entryDepth >= kMaxEntryDepth) {
    Trace("Entrada ignorada: " + IntToStr(f.entryDepth) + " execu\xE7\xF5""es aninhadas");
    return false;
  }
  {
    EntryScope entry(f);
    // A save that failed since the last entry is told before anything else.
    if (f.entryDepth == 1) ReportSaveFailure(f.writer, f.platform);
    Guarded(f, handler);
  }
  return f.entryDepth == 0 && f.exitRequested;
}

bool CloseRequested(TForm1& f) {
  if (f.entryDepth == 0) return true;
  // A script is waiting inside a nested event loop: end once it has unwound.
  f.exitRequested = true;
  return false;
}

}  // namespace lumora
