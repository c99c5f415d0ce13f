// The handler API: what a command sees of the interpreter (TForm3: the line
// being executed, its keyword and arguments, the trace line), the handler's
// type and the keyword table's rows. The command families build on this alone;
// the interpreter that dispatches through the table lives in script/.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "command/label_index.h"
#include "command/line_split.h"

namespace lumora {

struct TForm1;

struct TForm3 {
  explicit TForm3(TForm1& form) : f(form) {}
  TForm1& f;
  std::string commandLine;  // trimmed on entry; after splitting, the unconsumed text
  std::string keyword;
  std::array<std::string, 9> arg;
  // The arguments from this index on are empty, but for the first
  // kArgsCommandsSet, which a command may set itself (the label of a jump, an
  // exit's script): a line clears only what the lines before it may have left.
  size_t argsInUse = 0;
  std::string traceLine;
  std::string soundName;
  // Set by a command that moved run.lineIndex to the next line to run ("goto"):
  // the interpreter runs that line in the same call.
  bool restart = false;
  // Set by JumpToLabel: the interpreter runs "goto" with arg[0] as soon as the
  // command returns.
  bool jumpToLabel = false;
  LabelIndex labels;  // the label lines of f.run.lines
  LineSplits splits;  // the command lines' splits, by line index
};

constexpr size_t kArgsCommandsSet = 2;

// A command: a free function of its family, reading its arguments from TForm3.
using CommandHandler = void (*)(TForm3&);

// How a keyword takes its arguments: up to nine split at commas, or the whole
// text as one (a message holds commas of its own). Either way "#n" stands for
// register n's value.
enum class Arguments { SplitAtCommas, WholeText };

// What each argument position names, one letter per position, for the script
// checker to verify without running anything:
//   l  a label of the running script      s  a script reference
//   g  a script, or ":" and a label        v  a vocabulary file (a script name)
//   p  a picture (when it has a picture extension)
//   w  a sound file                        m  a music file
//   r  a register number                   o  an object key
//   t  a text that may go on over the following lines, up to an apostrophe
//   c  a command keyword, the arguments after it being that command's
//   n  a number    k  a colour (RRGGBB)    a  a place (a place's script, jog, loc)
//   .  anything else
// n, k, a and . are not checked (but for "#n"); they name the argument in the
// keyword reference. A row written without letters takes no arguments.
struct ArgumentSpec {
  constexpr ArgumentSpec() = default;
  constexpr ArgumentSpec(Arguments how) : split(how) {}  // NOLINT: rows write the mode alone
  constexpr ArgumentSpec(const char* what) : kinds(what) {}  // NOLINT: rows write the letters alone
  constexpr ArgumentSpec(Arguments how, const char* what) : split(how), kinds(what) {}
  // Rows and the interpreter ask only how the arguments are split.
  constexpr bool operator==(Arguments how) const { return split == how; }
  Arguments split = Arguments::SplitAtCommas;
  std::string_view kinds;
};

struct KeywordRow {
  std::string_view keyword;
  CommandHandler handler;
  ArgumentSpec arguments = {};
  // What the command does, one line of English for the keyword reference
  // (lumora --keywords, the game-writing manual page); the rows mark it for the
  // translators, and the reference shows it in the user's language.
  const char* description = "";
};

// Hands over to "goto" within the same call: the script goes on after the
// label. The interpreter runs the "goto" when the command returns, so a command
// calls this as its last step.
void JumpToLabel(TForm3& t, std::string label);

// The register-number argument: empty reads as 0, not a number as 0; appended to
// the trace line. Out of range appends " <--- registrador fora de faixa" and
// returns -1.
int RegisterArgument(TForm3& t, const std::string& argument);

}  // namespace lumora
