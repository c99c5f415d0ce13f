// The command line and how it names the game.
#include "app/command_line.h"

namespace lumora {

Options ParseCommandLine(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--trace") o.trace = true;
    else if (a.rfind("--trace=", 0) == 0) o.trace = true, o.traceFile = a.substr(8);
    else if (a == "--play" && i + 1 < argc) o.play = argv[++i];
    else if (a == "--json") o.json = true;
    else if (a == "--headless") o.headless = true;
    else if (a == "--web") o.web = true;
    else if (a == "--check") o.check = true;
    else if (a == "--speak") o.speak = true;
    else if (a == "--zoom" && i + 1 < argc) {
      const std::string n = argv[++i];
      if (n == "1" || n == "2" || n == "3") o.zoom = n[0] - '0';
      else o.error = "--zoom takes 1, 2 or 3, not " + n;
    }
    else if (!a.empty() && a[0] == '-') o.error = "unknown option " + a;
    else if (o.game.empty()) o.game = a;
    else o.error = "more than one game given: " + a;
  }
  if ((o.json || o.headless || o.web) && o.play.empty()) o.error = "--json, --headless and --web go with --play";
  if (o.check && (o.trace || !o.play.empty())) o.error = "--check goes alone, with the game to check";
  return o;
}

}  // namespace lumora
