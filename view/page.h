// The HTML page of display model 2: its head, the blank page, its tail.
#pragma once
#include <string>

#include "core/string_list.h"

namespace lumora {

struct TForm1;

// Empties the page lines and writes the document head and the font line.
void PageStart(TForm1& f);

// The blank page in background colour `colour` (a colour text), shown from memory.
std::string BlankPageHtml(const TForm1& f, const std::string& colour);
void ShowBlankPage(TForm1& f, const std::string& colour);

// Waits, processing messages, until the web view's page is complete (at most a
// few seconds, so a broken view never hangs the game), then focuses it.
void PageFocus(TForm1& f);

// The file every model-2 page is written to and shown from: tmp.htm in the
// state folder. Besides the game's own files, the only file a page may read.
std::string PageFile(const TForm1& f);

// The end of a model-2 run: the tail appended, the page saved as "tmp.htm" in
// the state folder, shown in the web view and focused.
void FinishPage(TForm1& f);
// Shows `lines` as the page: saved as "tmp.htm", shown and focused (an undone
// step's page too).
void ShowPage(TForm1& f, const StringList& lines);

}  // namespace lumora
