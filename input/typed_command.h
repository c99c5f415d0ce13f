// Typed commands: the keys of the input line Input, and MsgMd0 handing the
// focus on to it.
#pragma once
#include <string>
#include <string_view>

namespace lumora {

struct TForm1;

// The keys the input line acts on; any other key is Other and does nothing.
enum class InputKey { Enter, F1, F2, F3, F4, Up, Down, Left, Right, Other };
// The input line's key of a window-system key code (Qt::Key). Commands act when
// their key is released, as the player lets go of it: a held Enter does not
// repeat the command; any other key is the field's own.
InputKey InputKeyOf(int qtKey);

// The upper-case letters a to z and the fourteen accented lower-case letters
// of Windows-1252 (ç á é í ó ú ã õ â ê ô à ü ñ); nothing else changes.
std::string NormaliseCommand(std::string_view text);

// Windows-1252 upper case, one byte for one byte: a to z, the letters E0 to FE
// but the division sign F7, and š œ ž ÿ (9A 9C 9E FF) to Š Œ Ž Ÿ. Letters whose
// capital the code page lacks (ß, µ) stay as they are, so the text keeps its length.
std::string UpperCase1252(std::string_view text);

// The input line's text was edited to `text`: Input keeps it, upper-cased when
// it is an upper-case entry.
void InputEdited(TForm1& f, std::string_view text);

// Words 1 and 2 of a command cut at single blanks: two blanks in a row give an
// empty word.
struct TypedWords {
  std::string first, second;
};
TypedWords SplitWords(std::string_view command);

// The press of any key in Input, repeats included: the key click "clk3.wav",
// each one cutting off the one before.
// A command key is noted, so that its release acts.
void InputKeyDown(TForm1& f, InputKey key = InputKey::Other);

// The release of a key in Input: F1, F2 and F4 enter the configured commands,
// F3 recalls the last one, the arrows walk the compass exits, Enter runs the
// field's command through the vocabulary. An unreadable vocabulary raises
// ScriptError with the field's text kept.
void InputKeyUp(TForm1& f, InputKey key);
// The release of a command key from the window: it acts (InputKeyUp) only when
// the key went down in the input line. An Enter that started the game on the
// opening screen, or clicked an area in the focus ring, comes up in the input
// line only because the keyboard moved there meanwhile.
void InputKeyReleased(TForm1& f, InputKey key);

// Any key, click or change in MsgMd0 moves the focus to Input while Input is visible.
void MsgMd0PassFocus(TForm1& f);

}  // namespace lumora
