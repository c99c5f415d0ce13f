// Temporary games for the tests.
#include "support/temp_game.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/text1252.h"
#include "core/trace.h"
#include "script/run_script.h"
#include "shell/lifecycle.h"

namespace lumora::testing {
namespace {

std::string MakeTempFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/lumora-test-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  return pattern + "/";
}

}  // namespace

StringList DefaultConfig(const std::string& gameName) {
  StringList c(98);
  auto set = [&](int n, std::string v) { c[static_cast<size_t>(n)] = std::move(v); };
  set(0, "100");  // window position
  set(1, "50");
  set(4, gameName);
  set(5, "10");  // register count
  set(6, "start");
  set(7, "start");
  set(8, "start");
  set(9, "objeto");
  set(10, "sala");
  set(11, "900");  // Abok0
  set(12, "420");
  set(15, "Arial");  // message font
  set(16, "12");
  set(17, "vocab");
  set(18, "000000");  // background, text, link, visited link
  set(19, "FFFFFF");
  set(20, "FFFF00");
  set(21, "C0C0C0");
  set(22, "39");  // Abok1
  set(23, "36");
  set(24, "596");
  set(25, "323");
  set(26, "1");   // display model
  set(27, "5");   // Msg
  set(28, "276");
  set(29, "586");
  set(30, "42");
  set(32, "Courier New");  // MsgMd0
  set(33, "16");
  set(34, "FFFFFF");
  set(35, "*");
  set(36, "65");  // Input
  set(37, "382");
  set(38, "660");
  set(39, "30");
  set(40, "FFFFFF");
  set(41, "Courier New");
  set(42, "18");
  set(43, "000000");
  set(44, "*");
  set(45, "675");  // Abok2
  set(46, "45");
  set(47, "210");
  set(48, "266");
  set(49, "596");  // model 3 area
  set(50, "323");
  set(51, "596");  // model 2 area
  set(52, "323");
  set(53, "*");
  set(57, "---");
  set(58, "596");  // PanTel
  set(59, "271");
  set(64, "760");  // quit button
  set(65, "365");
  set(66, "bot1.bmp");
  set(67, "---");
  set(68, "---");
  set(69, "Arial");
  set(70, "12");
  set(71, "000000");
  set(72, "Encerrar");
  set(73, "N\xE3o entendi.");
  set(96, "596");  // map area
  set(97, "323");
  return c;
}

TempGame::TempGame(std::string name) : config(DefaultConfig(name)), name_(std::move(name)), folder_(MakeTempFolder()) {
  WriteConfig();
  WriteRegisters(StringList(11));
  WriteLines(name_ + ".obz", {});
  WriteLines(name_ + ".obx", {});
}

TempGame::~TempGame() {
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void TempGame::SetConfig(int line, const std::string& value) {
  config.at(static_cast<size_t>(line)) = value;
  WriteConfig();
}

void TempGame::WriteConfig() { WriteLines(name_ + ".ini", config); }

void TempGame::WriteLines(std::string_view fileName, const StringList& lines) const {
  std::ofstream out(folder_ + Utf8FromCp1252(fileName), std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + std::string(fileName));
  out << JoinLines(lines);
}

void TempGame::WriteScript(std::string_view scriptName, const StringList& lines) const {
  WriteLines(std::string(scriptName) + ".scp", lines);
}

void TempGame::WriteRegisters(const StringList& registers) const { WriteLines(name_ + ".rgs", registers); }

void TempGame::Remove(std::string_view fileName) const {
  std::filesystem::remove(folder_ + Utf8FromCp1252(fileName));
}

void TempGame::Link(std::string_view fileName, const std::string& target) const {
  std::filesystem::create_symlink(target, folder_ + Utf8FromCp1252(fileName));
}

bool TempGame::IsLink(std::string_view fileName) const {
  if (writer_) writer_->Flush();
  return std::filesystem::is_symlink(folder_ + Utf8FromCp1252(fileName));
}

std::string TempGame::Read(std::string_view fileName) const {
  if (writer_) writer_->Flush();
  std::string bytes;
  ReadFileBytes(folder_ + Utf8FromCp1252(fileName), bytes);
  return bytes;
}

bool TempGame::Exists(std::string_view fileName) const {
  if (writer_) writer_->Flush();
  return std::filesystem::exists(folder_ + Utf8FromCp1252(fileName));
}

StringList TempGame::StateLines(std::string_view extension) const {
  return SplitLines(Read(name_ + std::string(extension)));
}

Session::Session(const TempGame& game, bool load) : f(platform), t(f), game_(game) {
  listener_ = AddTraceListener([this](std::string_view line) { trace.emplace_back(line); });
  f.interp = &t;
  game.writer_ = &f.writer;
  FormCreate(f, game.folder(), game.name());
  if (load) GameLoader(f, game.name());
}

Session::~Session() {
  if (game_.writer_ == &f.writer) game_.writer_ = nullptr;
  RemoveTraceListener(listener_);
}

std::string Session::Exec(const StringList& lines, int index) {
  f.run.lines = lines;
  ++f.run.linesGeneration;
  f.run.lineIndex = index;
  t.commandLine = lines.at(static_cast<size_t>(index));
  ExecCommand(t);
  return t.traceLine;
}

void Session::Run(const StringList& lines) {
  game_.WriteScript("start", lines);
  RunScript(f, "start");
}

std::vector<std::string> Session::TraceStartingWith(std::string_view prefix) const {
  std::vector<std::string> out;
  for (const auto& line : trace)
    if (line.starts_with(prefix)) out.push_back(line);
  return out;
}

}  // namespace lumora::testing
