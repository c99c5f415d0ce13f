// Tiny games built from strings in a fresh temporary folder, and a ready main
// form (FormCreate, game loader) on such a game.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/string_list.h"
#include "form/form1.h"
#include "script/interp.h"
#include "platform/null_platform.h"

namespace lumora::testing {

// A configuration of 98 sane lines: 10 registers, model 1, colours as colour
// texts, style texts "---", every control visible ("*").
StringList DefaultConfig(const std::string& gameName);

class TempGame {
 public:
  // Writes NAME.ini (DefaultConfig), NAME.rgs (11 empty registers) and empty
  // NAME.obz and NAME.obx.
  explicit TempGame(std::string name = "aventura");
  ~TempGame();
  TempGame(const TempGame&) = delete;
  TempGame& operator=(const TempGame&) = delete;

  const std::string& folder() const { return folder_; }  // ends with "/"
  const std::string& name() const { return name_; }

  // The configuration lines; SetConfig changes one and rewrites NAME.ini.
  StringList config;
  void SetConfig(int line, const std::string& value);
  void WriteConfig();

  // Files written with CR LF. Names and contents are Windows-1252; the file name
  // is stored in UTF-8 as a game copied to this system would be.
  void WriteLines(std::string_view fileName, const StringList& lines) const;
  void WriteScript(std::string_view scriptName, const StringList& lines) const;  // adds ".scp"
  void WriteRegisters(const StringList& registers) const;
  void Remove(std::string_view fileName) const;
  // A symbolic link in the game folder pointing at target (any path), as a
  // downloaded game may ship one.
  void Link(std::string_view fileName, const std::string& target) const;
  bool IsLink(std::string_view fileName) const;

  // Raw bytes of a file (empty when missing) and whether it exists. Read as a
  // restart reads them: once the saves of the session playing the game are on disk.
  std::string Read(std::string_view fileName) const;
  bool Exists(std::string_view fileName) const;
  // The lines of a state file, e.g. Lines(".rgs") for NAME.rgs.
  StringList StateLines(std::string_view extension) const;

 private:
  friend struct Session;
  std::string name_, folder_;
  mutable StateWriter* writer_ = nullptr;  // the playing session's
};

// A main form and an interpreter form on a game, created as the program does;
// collects every trace line sent while it lives.
struct Session {
  explicit Session(const TempGame& game, bool load = true);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs one line through ExecCommand as line `index` of a script made of
  // `lines` (the line at index), returns the trace line it built.
  std::string Exec(const StringList& lines, int index = 0);
  // Writes the lines as the game's script "start" and runs it as a whole.
  void Run(const StringList& lines);
  // Register n's value; n must lie within the register table.
  std::string& Reg(int n) { return f.state.registers.at(static_cast<size_t>(n)); }
  // Trace lines that start with the given text.
  std::vector<std::string> TraceStartingWith(std::string_view prefix) const;

  NullPlatform platform;
  TForm1 f;
  TForm3 t;
  std::vector<std::string> trace;

 private:
  const TempGame& game_;
  int listener_ = 0;
};

}  // namespace lumora::testing
