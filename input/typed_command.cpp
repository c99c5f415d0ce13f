// Typed commands: the key handler of Input, normalisation and the answers to a
// command the vocabulary does not know.
#include "input/typed_command.h"

#include <QtCore/qnamespace.h>

#include "core/paths.h"
#include "core/strings.h"
#include "form/config.h"
#include "form/form1.h"
#include "input/vocabulary.h"
#include "media/click_sounds.h"
#include "script/run_script.h"
#include "view/read_aloud.h"
#include "view/typing.h"

namespace lumora {
namespace {

// The accented lower-case letters and their upper-case forms, byte for byte.
constexpr char kLower[] = "\xE7\xE1\xE9\xED\xF3\xFA\xE3\xF5\xE2\xEA\xF4\xE0\xFC\xF1";
constexpr char kUpper[] = "\xC7\xC1\xC9\xCD\xD3\xDA\xC3\xD5\xC2\xCA\xD4\xC0\xDC\xD1";

// The game's vocabulary, game folder + name + ".scp", as the file holds it now.
std::shared_ptr<const Vocabulary> ReadGameVocabulary(const TForm1& f) {
  return SharedVocabularyCache().Read(ResolvePath(f.gameFolder, f.vocabulary + ".scp"));
}

// An empty Enter shows the current place again.
void ShowPlaceAgain(TForm1& f) {
  if (f.Model() == DisplayModel::Typed) f.MsgMd0.text.clear();
  if (!f.Posic.empty()) RunScript(f, std::string(f.Posic));
}

void AnswerUnknown(TForm1& f, const Vocabulary& vocabulary, const TypedWords& words) {
  switch (f.Model()) {
    case DisplayModel::Typed: {
      f.MsgMd0.text.clear();
      const std::string suggestions = vocabulary.Suggest(words.first, words.second);
      // Copied: typing lets messages through, and a nested run may change the lines.
      const std::string answer = suggestions.empty() ? ConfigLine(f, kUnknownAnswer)
                                                     : ConfigLine(f, kSuggestionHeading) + "\r\n\r\n" + suggestions;
      TypeText(f, answer);
      break;
    }
    case DisplayModel::Picture: f.Msg.text = ConfigLine(f, kUnknownAnswer); break;
    case DisplayModel::Page: RunScript(f, std::string(ConfigLine(f, kUnknownScriptModel2))); break;
    case DisplayModel::Canvas:
    case DisplayModel::Other: break;  // no answer
  }
}

void RunFieldCommand(TForm1& f) {
  const ActionMoment moment(f);
  ReadAfterNewAction(f);
  if (f.Input.text.empty()) {
    ShowPlaceAgain(f);
    return;
  }
  const std::string command = NormaliseCommand(Trim(f.Input.text));
  f.lastCommand = command;
  const TypedWords words = SplitWords(command);
  // The vocabulary is read once for the look-up and the suggestions: nothing
  // runs in between that could change it. Failing here keeps the field's text.
  const std::shared_ptr<const Vocabulary> vocabulary = ReadGameVocabulary(f);
  const std::string script = vocabulary->LookUp(command);
  f.Input.text.clear();
  if (f.Model() == DisplayModel::Typed) f.MsgMd0.text.clear();
  if (!script.empty()) {
    RunScript(f, script);
    return;
  }
  AnswerUnknown(f, *vocabulary, words);
}

// An arrow walks through its compass exit; an empty exit leaves the field as it is.
void WalkExit(TForm1& f, const std::string& exit) {
  if (exit.empty()) return;
  const ActionMoment moment(f);
  ReadAfterNewAction(f);
  const std::string reference = exit;  // the run resets the exits it came from
  f.Input.text.clear();
  RunScript(f, reference);
}

}  // namespace

std::string NormaliseCommand(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
      continue;
    }
    for (size_t i = 0; i + 1 < sizeof kLower; ++i)
      if (c == kLower[i]) c = kUpper[i];
  }
  return out;
}

std::string UpperCase1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = static_cast<char>(b - 0x20);
    else if (b == 0x9A || b == 0x9C || b == 0x9E) c = static_cast<char>(b - 0x10);
    else if (b == 0xFF) c = '\x9F';
  }
  return out;
}

void InputEdited(TForm1& f, std::string_view text) {
  f.Input.text = f.Input.upperCase ? UpperCase1252(text) : std::string(text);
}

TypedWords SplitWords(std::string_view command) {
  TypedWords words;
  const size_t first = command.find(' ');
  words.first = std::string(command.substr(0, first));
  if (first == std::string_view::npos) return words;
  const std::string_view rest = command.substr(first + 1);
  words.second = std::string(rest.substr(0, rest.find(' ')));
  return words;
}

void InputKeyDown(TForm1& f, InputKey key) {
  if (key != InputKey::Other) f.inputKeysDown |= 1u << static_cast<unsigned>(key);
  PlayClickSound(f, "clk3.wav");
}

void InputKeyReleased(TForm1& f, InputKey key) {
  const unsigned bit = 1u << static_cast<unsigned>(key);
  if (!(f.inputKeysDown & bit)) return;
  f.inputKeysDown &= ~bit;
  InputKeyUp(f, key);
}

void InputKeyUp(TForm1& f, InputKey key) {
  switch (key) {
    case InputKey::F1: f.Input.text = ConfigLine(f, kF1Command); break;
    case InputKey::F2: f.Input.text = ConfigLine(f, kF2Command); break;
    case InputKey::F4: f.Input.text = ConfigLine(f, kF4Command); break;
    case InputKey::F3:
      // Only recalled, not run: a second Enter runs it.
      if (!f.lastCommand.empty()) f.Input.text = f.lastCommand;
      return;
    case InputKey::Up: WalkExit(f, f.exits.norte); return;
    case InputKey::Down: WalkExit(f, f.exits.sul); return;
    case InputKey::Right: WalkExit(f, f.exits.leste); return;
    case InputKey::Left: WalkExit(f, f.exits.oeste); return;
    case InputKey::Enter: break;
    case InputKey::Other: return;
  }
  RunFieldCommand(f);
}

InputKey InputKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return InputKey::Enter;
    case Qt::Key_F1: return InputKey::F1;
    case Qt::Key_F2: return InputKey::F2;
    case Qt::Key_F3: return InputKey::F3;
    case Qt::Key_F4: return InputKey::F4;
    case Qt::Key_Up: return InputKey::Up;
    case Qt::Key_Down: return InputKey::Down;
    case Qt::Key_Left: return InputKey::Left;
    case Qt::Key_Right: return InputKey::Right;
    default: return InputKey::Other;
  }
}

void MsgMd0PassFocus(TForm1& f) {
  if (f.Input.visible) f.focus = Focus::Input;
}

}  // namespace lumora
