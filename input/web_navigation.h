// Following a link in the web view: the reported address runs the script named
// after "Scp=".
#pragma once
#include <string>
#include <string_view>

namespace lumora {

struct TForm1;

// The web engine reports addresses percent-encoded in UTF-8; this gives back the
// Windows-1252 text that was written in the link.
std::string AddressFromBrowser(std::string_view reported);

// The navigation-complete handler: with "Scp=" in the address, the reference
// after it runs, unless it names a page (".htm").
void WebBNavigateComplete2(TForm1& f, const std::string& address);

}  // namespace lumora
