// Texts as each display model shows them.
#include "view/model_text.h"

#include "core/strings.h"
#include "form/form1.h"
#include "view/canvas3.h"
#include "view/message_commands.h"
#include "view/page.h"
#include "view/typing.h"

namespace lumora {

void AddLine(Memo& memo, const std::string& line) {
  std::string& text = memo.text;
  const bool lastLineEmpty = text.empty() || (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
  if (lastLineEmpty) text += line + "\r\n";
  else text += "\r\n" + line;
}

void ShowMessage(TForm1& f, const std::string& text, bool replace) {
  switch (f.Model()) {
    case DisplayModel::Typed: TypeText(f, text); break;
    case DisplayModel::Picture: f.Msg.text = replace ? text : f.Msg.text + text; break;
    case DisplayModel::Page: f.page.lines.push_back(text); break;
    case DisplayModel::Canvas:
      SetUpCanvas3Font(f);
      if (replace) DrawCanvas3Text(f, f.textX, f.textY, text);
      break;
    case DisplayModel::Other: break;
  }
}

void ShowTextBlock(TForm1& f, const std::string& text) {
  switch (f.Model()) {
    case DisplayModel::Typed: TypeText(f, text); break;
    case DisplayModel::Picture: f.Msg.text += text; break;
    case DisplayModel::Page: f.page.lines.push_back(text); break;
    case DisplayModel::Canvas:
      if (!f.Memo3.text.empty()) f.Memo3.text += "\r\n";
      f.Memo3.text += text;
      break;
    case DisplayModel::Other: break;
  }
}

void ClearMessage(TForm1& f) {
  switch (f.Model()) {
    case DisplayModel::Typed: f.MsgMd0.text.clear(); break;
    case DisplayModel::Picture: f.Msg.text.clear(); break;
    case DisplayModel::Page: PageStart(f); break;
    case DisplayModel::Canvas: f.Memo3.text.clear(); break;
    case DisplayModel::Other: break;
  }
}

void LineFeed(TForm1& f) {
  switch (f.Model()) {
    case DisplayModel::Typed: TypeText(f, "\r\n"); break;
    case DisplayModel::Picture: f.Msg.text += "\r\n"; break;
    case DisplayModel::Page: f.page.lines.push_back("<br>"); break;
    case DisplayModel::Canvas:
      f.textY = SaturatedInt(int64_t{f.textY} + f.canvas3Font.size + f.canvas3Font.size / 2);
      break;
    case DisplayModel::Other: break;
  }
}

}  // namespace lumora
