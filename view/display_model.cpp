// "modo=" and "setmode=": switching the display model and laying out its page.
#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "view/canvas3.h"
#include "view/display_commands.h"
#include "view/message_commands.h"
#include "view/page.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

void ShowModel0(TForm1& f) {
  f.Abok1.ShowPage("0");
  f.Input.visible = VisibleFromText(ConfigLine(f, kInputVisible));
  f.Abok1.height = ConfigInt(f, kDisplayHeight);
  f.MsgMd0.text.clear();
  f.MsgMd0.color = ColourFromText(f.message.background);
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

void ShowModel1(TForm1& f) {
  f.Abok1.ShowPage("1");
  f.Msg.visible = VisibleFromText(ConfigLine(f, kMsgVisible));
  f.Input.visible = VisibleFromText(ConfigLine(f, kInputVisible));
  f.Abok1.height = ConfigInt(f, kDisplayHeight);
  f.Msg.text.clear();
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

void ShowModel2(TForm1& f) {
  ShowBlankPage(f, f.message.background);
  f.Abok1.ShowPage("2");
  f.Input.visible = false;
  f.Abok1.width = ConfigInt(f, kDisplayWidth);
  // Down to the bottom of the input line.
  f.Abok1.height = SaturatedInt(int64_t{ConfigInt(f, kInputTop)} + ConfigInt(f, kInputHeight) - f.Abok1.top);
  f.WebB.width = SaturatedInt(int64_t{f.Abok1.width} + 20);
  f.WebB.height = SaturatedInt(int64_t{f.Abok1.height} + 4);
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  PageStart(f);
  PageFocus(f);
}

void ShowModel3(TForm1& f) {
  f.Input.visible = false;
  f.Abok1.ShowPage("3");
  f.Abok1.width = ConfigInt(f, kModel3Width);
  f.Abok1.height = ConfigInt(f, kModel3Height);
  f.Sbox2.color = f.Abok1.color;
  f.Sbox2.width = f.Abok1.width;
  f.Sbox2.height = f.Abok1.height;
  f.TelMod3.left = f.TelMod3.top = 5;
  SizeCanvas3(f, int64_t{f.Abok1.width} - 18, int64_t{f.Abok1.height} - 10);
  const bool italic = f.screenFont.italic, underline = f.screenFont.underline, bold = f.screenFont.bold;
  SetUpCanvas3Font(f);
  // Without the bold flag the style starts from the screen buffer's font.
  if (!f.message.bold) {
    f.canvas3Font.bold = bold;
    f.canvas3Font.italic = italic || f.message.italic;
    f.canvas3Font.underline = underline || f.message.underline;
  }
  f.TelMod3.picture = FilledImage(f.TelMod3.width, f.TelMod3.height, f.canvas3Brush);
  f.Memo3.text.clear();
  f.textX = f.textY = 0;
  // The scroll box takes the keys: arrows and page keys scroll the page.
  f.focus = Focus::Sbox2;
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
}

}  // namespace

void CmdSetMode(TForm3& t) {
  TForm1& f = t.f;
  const std::string m = t.arg[0];
  f.Input.text.clear();
  f.links.Reset();
  f.Modelo = m;
  f.Abok2.visible = VisibleFromText(ConfigLine(f, kPanelVisible));
  switch (f.Model()) {
    case DisplayModel::Typed: ShowModel0(f); break;
    case DisplayModel::Picture: ShowModel1(f); break;
    case DisplayModel::Page: ShowModel2(f); break;
    case DisplayModel::Canvas: ShowModel3(f); break;
    case DisplayModel::Other: break;  // the display area stays as it is
  }
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  if (f.Input.visible) f.focus = Focus::Input;
}

}  // namespace lumora
