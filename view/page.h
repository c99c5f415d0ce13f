// The HTML page of display model 2: its head, the blank page, its tail.
#pragma once
#include <string>

namespace lumora {

struct TForm1;

// Empties the page lines and writes the document head and the font line.
void PageStart(TForm1& f);

// The blank page in background colour `colour` (a colour text), shown from memory.
std::string BlankPageHtml(const TForm1& f, const std::string& colour);
void ShowBlankPage(TForm1& f, const std::string& colour);

}  // namespace lumora
