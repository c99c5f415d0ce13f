// The interpreter: finding a keyword's row and executing a command line.
// The handler API the commands themselves see is command/handler.h.
#pragma once
#include <string>
#include <string_view>

#include "command/handler.h"

namespace lumora {

// The row of a keyword, or nullptr when it matches no command.
const KeywordRow* FindRow(std::string_view keyword);
// The handler of a keyword, or nullptr when it matches no command.
CommandHandler FindCommand(std::string_view keyword);

// Executes t.commandLine as line run.lineIndex (Trim, classify, split,
// dispatch), moving the line index and the script lines of the main form as
// the command says.
void ExecCommand(TForm3& t);
// The same for the running script's line run.lineIndex, read from its lines.
void ExecLine(TForm3& t);

// Dispatches the keyword and arguments already in t from the top of the table;
// the conditional commands that carry a command use it.
void Dispatch(TForm3& t);

// Runs a command's handler, then the "goto" it handed over to, if any.
void RunHandler(TForm3& t, CommandHandler handler);

}  // namespace lumora
