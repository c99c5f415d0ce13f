// Our own errors about files.
#include "core/script_error.h"

#include <cstring>

namespace lumora {

ScriptError FileError(FileAction action, std::string_view path, int error) {
  std::string text = action == FileAction::Open ? "Cannot open file \"" : "Cannot create file \"";
  text.append(path).append("\"");
  if (error != 0) text.append(". ").append(std::strerror(error));
  return ScriptError(text);
}

}  // namespace lumora
