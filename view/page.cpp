// Page composition: the head every model-2 page starts with, the blank page.
#include "view/page.h"

#include <cerrno>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/stop_request.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "form/config.h"
#include "form/form1.h"

namespace lumora {

void PageStart(TForm1& f) {
  const MessageSettings& m = f.message;
  StringList& lines = f.page.lines;
  lines.clear();
  lines.push_back("<!DOCTYPE html>");
  lines.push_back("<head>");
  // The page is written to the state folder; away from the game's folder its
  // relative links and pictures would miss the game's files.
  if (f.stateFolder != f.gameFolder) {
    std::string base = f.gameFolderUrl;
    for (size_t at = base.find('"'); at != std::string::npos; at = base.find('"', at)) base.replace(at, 1, "%22");
    lines.push_back("<base href=\"" + base + "\">");
  }
  lines.push_back("<title>Lumora: " + f.gameName + "</title>");
  lines.push_back("<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">");
  lines.push_back("</head>");
  lines.push_back("<body bgcolor=#" + m.background + " text=#" + m.text + " link=#" + m.link + " vlink=#" + m.visited);
  lines.push_back(" alink=#FFFF00 leftmargin=10 topmargin=0 marginwidth=0 marginheight=0 >");
  lines.push_back("<div style=\"margin-right:10px;\">");
  std::string open, close;
  if (m.bold) open += "<b>", close += "</b>";
  if (m.italic) open += "<em>", close += "</em>";
  if (m.underline) open += "<u>", close += "</u>";
  const int pixels = SaturatedInt(int64_t{m.fontSize} + m.fontSize / 2);
  lines.push_back("<font face=" + m.fontName + " color=#" + m.text + " style=\"font-size:" + IntToStr(pixels) +
                  "px; \">" + open);
  f.page.closingTags = close;
}

std::string BlankPageHtml(const TForm1& f, const std::string& colour) {
  return "<!DOCTYPE html><head><title>Lumora: " + f.gameName + "</title>" +
         "<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">" + "</head>" + "<body  bgcolor=#" + colour +
         " text=#FFFF00 link=#FFFF00 vlink=#FFFF00 alink=#FFFF00 leftmargin=0 topmargin=0 marginwidth=0 "
         "marginheight=0 >" +
         "</body>" + "</html>";
}

void ShowBlankPage(TForm1& f, const std::string& colour) {
  // A navigation still going on would otherwise finish over the new text.
  f.platform.WebStop();
  // Until a page paints, the frame shows the blank page's colour.
  f.WebB.color = ColourFromText(colour);
  f.platform.WebLoadHtml(BlankPageHtml(f, colour));
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

void PageFocus(TForm1& f) {
  // Ready state 4 is "complete". The limit is counted in the platform's time.
  constexpr int64_t kLimitMs = 5000;
  const int64_t start = f.platform.Milliseconds();
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  // A request to end the program ends the wait, and the run with it. Looked at
  // every millisecond: the page is given the keys as soon as it is complete.
  while (f.platform.WebReadyState() < 4 && f.platform.Milliseconds() - start < kLimitMs) {
    if (ExitDue(f.platform, f.exitRequested)) throw RunStopped();
    f.platform.WaitForMessages(Platform::PlayerInput::Held, 1);
  }
  f.platform.WebFocus();
  f.focus = Focus::WebB;
}

std::string PageFile(const TForm1& f) { return ResolvePath(f.stateFolder, "tmp.htm"); }

void FinishPage(TForm1& f) {
  StringList& lines = f.page.lines;
  if (!f.page.closingTags.empty()) lines.push_back(f.page.closingTags);
  lines.push_back("</font></div>");
  lines.push_back("</html>");
  lines.push_back("</body>");
  ShowPage(f, lines);
}

void ShowPage(TForm1& f, const StringList& lines) {
  const std::string path = PageFile(f);
  // The page is written anew with every page; a crash costs nothing of the
  // game, so the disk need not be waited for.
  if (!SaveLinesAtomic(path, lines, false)) throw FileError(FileAction::Create, Cp1252FromUtf8(path), errno);
  f.page.lastWritten = lines;
  f.page.written = true;
  f.platform.WebNavigate(path);
  PageFocus(f);
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

}  // namespace lumora
