// What the script checker found: one line each, as editors read them.
#pragma once
#include <string>
#include <vector>

namespace lumora {

struct Finding {
  std::string file;     // the file's name in the game folder, UTF-8
  int line = 0;         // 1-based, as editors count; 0 for the file as a whole
  std::string message;  // UTF-8
};

using Findings = std::vector<Finding>;

// "file:line: message" ("file: message" for line 0).
std::string FindingText(const Finding& f);

}  // namespace lumora
