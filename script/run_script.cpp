// RunScript: reset, load, the line loop, the finishing steps.
#include "script/run_script.h"

#include "core/paths.h"
#include "core/strings.h"
#include "core/trace.h"
#include "form/config.h"
#include "form/form1.h"
#include "form/script_ref.h"
#include "nav/map_page.h"
#include "script/interp.h"
#include "script/labels.h"
#include "script/stop_poll.h"
#include "state/state_files.h"
#include "view/canvas3.h"
#include "view/message_commands.h"
#include "view/page.h"
#include "view/picture_loader.h"
#include "view/rain.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

void ResetRunState(TForm1& f, const std::string& reference) {
  f.Abok0.pageIndex = kGamePage;
  f.platform.BringToFront();
  f.Script = reference;
  f.run.gosubScript.clear();
  f.run.gosubLine = -1;
  f.rainMask.clear();
  StopRain(f);
  f.links.Reset();
  f.Tela.cursor = Cursor::Arrow;
  f.pictureClickScript.clear();
  f.message.fontName = ConfigLine(f, kMessageFontName);
  f.message.fontSize = ConfigInt(f, kMessageFontSize);
  f.message.bold = f.message.italic = f.message.underline = false;
  ConfigColour(f, kBackgroundColour);
  ConfigColour(f, kTextColour);
  f.message.background = ConfigLine(f, kBackgroundColour);
  f.message.text = ConfigLine(f, kTextColour);
}

void ResetShownPage(TForm1& f) {
  const std::string& page = f.Abok1.ActivePage();
  const Colour bg = ConfigColour(f, kBackgroundColour);
  if (page == "0") {
    f.Abok1.width = ConfigInt(f, kDisplayWidth);
    f.Abok1.height = ConfigInt(f, kDisplayHeight);
    f.MsgMd0.text.clear();
    ResetModel0Surface(f);
  } else if (page == "1") {
    f.Msg.text.clear();
    f.Msg.left = ConfigInt(f, kMsgLeft);
    f.Msg.top = ConfigInt(f, kMsgTop);
    f.Abok1.width = f.Tela.width;
    f.Abok1.height = SaturatedInt(int64_t{f.Msg.top} + f.Msg.height + 5);
    f.Msg.width = ConfigInt(f, kMsgWidth);
    f.Msg.height = ConfigInt(f, kMsgHeight);
    f.Msg.color = bg;
    const bool bold = f.Msg.font.bold, italic = f.Msg.font.italic, underline = f.Msg.font.underline;
    f.Msg.font = MessageFont(f);
    f.Msg.font.bold = bold;  // the memo keeps its style
    f.Msg.font.italic = italic;
    f.Msg.font.underline = underline;
    f.Msg.visible = VisibleFromText(ConfigLine(f, kMsgVisible));
    f.Tela.cursor = Cursor::Default;
    f.screenBrush = bg;
    f.screenFont = f.Msg.font;
  } else if (page == "2") {
    f.Input.visible = false;
    f.Abok1.width = ConfigInt(f, kModel2Width);
    f.Abok1.height = ConfigInt(f, kModel2Height);
    PageStart(f);
  } else if (page == "3") {
    f.Input.visible = false;
    f.Abok1.width = ConfigInt(f, kModel3Width);
    f.Abok1.height = ConfigInt(f, kModel3Height);
    f.TelMod3.left = f.TelMod3.top = 5;
    f.TelMod3.width = Canvas3Width(int64_t{ConfigInt(f, kModel3Width)} - 21);
    const FontSpec style = f.canvas3Font;  // the canvas keeps its style
    SetUpCanvas3Font(f);
    f.canvas3Font.bold = style.bold;
    f.canvas3Font.italic = style.italic;
    f.canvas3Font.underline = style.underline;
    // Through the page's height routine: what the last run drew below the
    // configured height goes, or growing the page again would bring it back.
    SetCanvas3Height(f, int64_t{ConfigInt(f, kModel3Height)} - 10);
    f.textX = f.textY = 0;
    f.Memo3.text.clear();
  }
}

void ResetInputLine(TForm1& f) {
  ApplyInputLine(f);
  f.Input.text.clear();
  const DisplayModel model = f.Model();
  if (model == DisplayModel::Typed || model == DisplayModel::Picture)
    f.Input.visible = VisibleFromText(ConfigLine(f, kInputVisible));
  // Line 68 only adds to the style: "B" sets it to bold alone, "I" and "U" add.
  const std::string& style = ConfigLine(f, kInputStyle);
  if (style.size() > 0 && style[0] == 'B') {
    f.Input.font.bold = true;
    f.Input.font.italic = f.Input.font.underline = false;
  }
  if (style.size() > 1 && style[1] == 'I') f.Input.font.italic = true;
  if (style.size() > 2 && style[2] == 'U') f.Input.font.underline = true;
}

void LoadScript(TForm1& f, const std::string& reference) {
  f.params = {};
  std::string name = Contains(reference, "&") ? SplitReference(reference, f.params) : reference;
  name = ResolveName(name, f.exits, f.Specials());
  f.Script = name;
  const std::string file = name + ".scp";
  StringList lines;
  if (!ScriptInsideGame(f.gameFolder, name)) {
    // Nothing runs: unlike a missing script, the last one is not run again.
    f.run.lines.clear();
    ++f.run.linesGeneration;
    Trace("Script " + file + kOutsideFolderTrace);
    Trace("");
  } else if (FileExists(f.gameFolder, file) && LoadLines(ResolvePath(f.gameFolder, file), lines)) {
    f.run.lines = std::move(lines);
    ++f.run.linesGeneration;
    SetTraceScript(name);
    Trace("Executando script: " + file);
    Trace("Labels neste script...");
    Trace(LabelListing(f.run.lines));
    Trace("");
  } else {
    Trace("N\xE3o encontrei o script: " + file);
    Trace("");
  }
}

void ExecuteLines(TForm1& f) {
  TForm3& t = *f.interp;
  // Counted in a local, which stays in a register across the calls: the line
  // loop must not pay for the look at whether the program is to end.
  int linesToLook = kLinesBetweenStopChecks;
  for (f.run.lineIndex = 0; f.run.lineIndex < static_cast<int>(f.run.lines.size()); ++f.run.lineIndex) {
    ExecLine(t);
    if (!t.traceLine.empty()) Trace(t.traceLine);
    if (--linesToLook == 0) {
      linesToLook = kLinesBetweenStopChecks;
      PollStop(f);
    }
  }
}

void Finish(TForm1& f) {
  DrawHud(f);
  CopyBuffersToScreen(f);
  // The values are taken now, before any message is handled; the disk's
  // slowness is the writer's, never the window's.
  SaveRegistersAndObjects(f.writer, f.state, f.stateFolder, f.gameName);
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  if (f.Abok1.ActivePage() == "Mapa") MapPageRefresh(f);
  switch (f.Model()) {
    case DisplayModel::Typed:
    case DisplayModel::Picture:
      if (f.Input.visible) f.focus = Focus::Input;
      break;
    case DisplayModel::Page:
      if (!f.page.lines.empty()) FinishPage(f);
      break;
    case DisplayModel::Canvas: ShowCanvas3(f); break;
    case DisplayModel::Other: break;
  }
}

}  // namespace

void RunScript(TForm1& f, const std::string& reference) {
  struct Depth {
    TForm1& f;
    explicit Depth(TForm1& form) : f(form) {
      if (++f.runDepth == 1 && f.onOutermostRun) f.onOutermostRun(true);
    }
    ~Depth() {
      if (--f.runDepth == 0 && f.onOutermostRun) f.onOutermostRun(false);
    }
  } depth(f);
  // A run nested in a pause or in typing hands the trace back to the script
  // that waited: its line goes out when the nested run is over.
  struct TraceScriptKept {
    const std::string outer;
    const bool nested;
    ~TraceScriptKept() {
      if (nested) SetTraceScript(outer);
    }
  } kept{TraceScript(), f.runDepth > 1};
  // A run the player started, from an idle window: undo can take it back.
  if (f.runDepth == 1) RememberMoment(f);
  ResetRunState(f, reference);
  ResetShownPage(f);
  ResetPanel(f);
  ResetInputLine(f);
  LoadScript(f, reference);
  ExecuteLines(f);
  Finish(f);
}

}  // namespace lumora
