// The error an unguarded conversion or file operation raises: it ends the run.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace lumora {

// The text is Windows-1252, as the message box shows it.
class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const std::string& text) : std::runtime_error(text) {}
};

// Our own errors about files, in one wording:
//   Cannot open file "PATH". No such file or directory
// PATH is Windows-1252 as the player reads it; the reason is the system's text
// for the error number, left out when the number is 0.
enum class FileAction { Open, Create };
ScriptError FileError(FileAction action, std::string_view path, int error);
// The same with a library's own text as the reason (a music file the decoder
// refuses); left out when empty.
ScriptError FileError(FileAction action, std::string_view path, std::string_view reason);

}  // namespace lumora
