// Checking one script, line by line, without running it.
#pragma once
#include <set>
#include <string>
#include <unordered_set>

#include "core/string_list.h"
#include "tools/findings.h"
#include "tools/folder_index.h"

namespace lumora {

// What a script is checked against: the game folder, the object keys its .obj
// files define and the register count. Names of vocabulary files that scripts
// choose ("defcom=", "scriptcmd=") are gathered in `vocabularies`.
struct CheckContext {
  const FolderIndex& folder;
  std::unordered_set<std::string> objectKeys;
  int registerCount = 250;
  std::set<std::string> vocabularies;  // Windows-1252, as written
};

// Appends what is wrong with the script `file` (its UTF-8 name, for the findings).
void CheckScript(const std::string& file, const StringList& lines, CheckContext& context, Findings& out);

}  // namespace lumora
