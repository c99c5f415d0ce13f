// Message commands: "msg+", "msg=", "clearmsg", "linefeed", "fonte=" and the
// single settings of the message font and colours.
#include "view/message_commands.h"

#include <QPainter>

#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "view/model_text.h"
#include "view/surfaces.h"
#include "form/text_codes.h"

namespace lumora {
namespace {

// The message text: traced by its first five characters, text codes applied.
std::string MessageText(TForm3& t) {
  t.traceLine += t.arg[0].substr(0, 5) + "...";
  return ApplyTextCodes(t.arg[0], t.f.Model());
}

// A colour or name setting: the argument, or the configuration line when empty.
void SetFromArgument(TForm3& t, std::string& setting, int defaultLine) {
  setting = t.arg[0].empty() ? ConfigLine(t.f, defaultLine) : t.arg[0];
  t.traceLine += setting;
}

}  // namespace

void SetUpCanvas3Font(TForm1& f) {
  f.canvas3Brush = ColourFromText(f.message.background);
  f.canvas3Font = MessageFont(f);
}

void CmdMsgAdd(TForm3& t) { ShowMessage(t.f, MessageText(t), false); }

void CmdMsgSet(TForm3& t) {
  if (t.arg[0].empty()) t.traceLine += "<-Falta texto!!!";
  ShowMessage(t.f, MessageText(t), true);
}

void CmdClearMsg(TForm3& t) { ClearMessage(t.f); }

void CmdLineFeed(TForm3& t) { LineFeed(t.f); }

void CmdFonte(TForm3& t) {
  MessageSettings& m = t.f.message;
  if (!t.arg[0].empty()) m.fontName = t.arg[0];
  t.traceLine += m.fontName + ",";
  if (!t.arg[1].empty()) {
    m.fontSize = IntUnguarded(t.arg[1]);
    t.traceLine += t.arg[1] + ",";
  }
  if (!t.arg[2].empty()) {
    m.text = t.arg[2];
    t.traceLine += m.text + ",";
  }
  // Any text sets a flag, even "0".
  m.bold = !t.arg[3].empty();
  m.italic = !t.arg[4].empty();
  m.underline = !t.arg[5].empty();
  t.traceLine += std::string(m.bold ? "bold," : "normal,") + (m.italic ? "italic," : "normal,") +
                 (m.underline ? "undelined," : "normal");
}

void CmdCorFnd(TForm3& t) { SetFromArgument(t, t.f.message.background, kBackgroundColour); }
void CmdCorTxt(TForm3& t) { SetFromArgument(t, t.f.message.text, kTextColour); }
void CmdCorLnk(TForm3& t) { SetFromArgument(t, t.f.message.link, kLinkColour); }
void CmdCorVzk(TForm3& t) { SetFromArgument(t, t.f.message.visited, kVisitedColour); }
void CmdFntFace(TForm3& t) { SetFromArgument(t, t.f.message.fontName, kMessageFontName); }

void CmdFntSize(TForm3& t) {
  const auto size = ReadInt(t.arg[0]);
  t.f.message.fontSize = size ? *size : ConfigInt(t.f, kMessageFontSize);
  t.traceLine += IntToStr(t.f.message.fontSize);
}

void CmdFntSty(TForm3& t) {
  const std::string style = t.arg[0].empty() ? "biu" : t.arg[0];
  MessageSettings& m = t.f.message;
  m.bold = style.size() > 0 && style[0] == 'B';
  m.italic = style.size() > 1 && style[1] == 'I';
  m.underline = style.size() > 2 && style[2] == 'U';
  t.traceLine += style;
}

}  // namespace lumora
