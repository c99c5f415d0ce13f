// Following a link in the web view.
#include "input/web_navigation.h"

#include "core/strings.h"
#include "core/text1252.h"
#include "form/form1.h"
#include "script/run_script.h"
#include "view/read_aloud.h"

namespace lumora {
std::string AddressFromBrowser(std::string_view reported) {
  std::string bytes;
  bytes.reserve(reported.size());
  for (size_t i = 0; i < reported.size(); ++i) {
    const int hi = reported[i] == '%' && i + 2 < reported.size() ? HexDigit(reported[i + 1]) : -1;
    const int lo = hi >= 0 ? HexDigit(reported[i + 2]) : -1;
    if (lo >= 0) {
      bytes += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      bytes += reported[i];
    }
  }
  return Cp1252FromUtf8(bytes);
}

void WebBNavigateComplete2(TForm1& f, const std::string& address) {
  const size_t at = address.find("Scp=");
  if (at == std::string::npos) return;
  const std::string reference = address.substr(at + 4);
  f.platform.ProcessMessages(Platform::PlayerInput::Held);
  if (Contains(reference, ".htm")) return;
  ReadAfterNewAction(f);
  RunScript(f, reference);
}

}  // namespace lumora
