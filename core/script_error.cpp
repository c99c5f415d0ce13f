// Our own errors about files.
#include "core/script_error.h"

#include <cstring>

namespace lumora {

ScriptError FileError(FileAction action, std::string_view path, int error) {
  return FileError(action, path, error != 0 ? std::string_view(std::strerror(error)) : std::string_view());
}

ScriptError FileError(FileAction action, std::string_view path, std::string_view reason) {
  std::string text = action == FileAction::Open ? "Cannot open file \"" : "Cannot create file \"";
  text.append(path).append("\"");
  if (!reason.empty()) text.append(". ").append(reason);
  return ScriptError(text);
}

}  // namespace lumora
