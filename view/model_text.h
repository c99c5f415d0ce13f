// Texts as each display model shows them: the messages of "msg=" and "msg+",
// text blocks, clearing and line feeds. Each switches on the model once, here.
#pragma once
#include <string>

namespace lumora {

struct TForm1;
struct Memo;

// Adds a line to a memo as the memo's own line list does: after a line break
// of its own when the last line has text, followed by one when it is empty.
void AddLine(Memo& memo, const std::string& line);

// "msg=" (replace) and "msg+": model 0 types the text, model 1 sets or extends
// the message line, model 2 adds a page line, model 3 draws "msg=" at the text
// position (and ignores "msg+").
void ShowMessage(TForm1& f, const std::string& text, bool replace);

// A text block: as "msg+", except that model 3 adds it to Memo3 as a line.
void ShowTextBlock(TForm1& f, const std::string& text);

// "clearmsg": empties the model's text; model 2 starts a new page.
void ClearMessage(TForm1& f);

// "linefeed": a line break in the model's text; model 3 moves the text position
// down by one and a half font sizes.
void LineFeed(TForm1& f);

}  // namespace lumora
