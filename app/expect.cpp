// Checking a walkthrough's expect lines against the form.
#include "app/expect.h"

#include "app/walkthrough.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "form/form1.h"
#include "state/object_table.h"
#include "view/read_aloud.h"

namespace lumora {
namespace {

// What the display model shown gives the player to read.
std::string MessagesShown(const TForm1& f) {
  if (f.Modelo == "0") return f.MsgMd0.text;
  if (f.Modelo == "2") return f.page.written ? PageWords(JoinLines(f.page.lastWritten)) : std::string();
  if (f.Modelo == "3") return f.Memo3.text;
  return f.Msg.text;
}

std::string Quoted(const std::string& text1252) { return "\"" + Utf8FromCp1252(text1252) + "\""; }

}  // namespace

std::string CheckExpectation(const TForm1& f, const Action& a) {
  const std::vector<std::string>& w = a.words;
  const std::string what = w.empty() ? "" : w[0];
  const std::string wanted = Cp1252FromUtf8(a.After(what == "reg" || what == "obj" ? 2 : 1));
  std::string got;
  bool holds = false;
  if ((what == "script" || what == "place" || what == "model") && w.size() == 2) {
    got = what == "script" ? f.Script : what == "place" ? f.Posic : f.Modelo;
    holds = got == wanted;
    got = Utf8FromCp1252(got);
  } else if (what == "reg" && w.size() >= 2 && ReadInt(w[1]) && *ReadInt(w[1]) >= 0) {
    const size_t n = static_cast<size_t>(*ReadInt(w[1]));
    if (n >= f.state.registers.size()) {
      got = "no register " + w[1];
    } else {
      holds = f.state.registers[n] == wanted;
      got = Quoted(f.state.registers[n]);
    }
  } else if (what == "obj" && w.size() == 3) {
    const int record = FindObjectRecord(f.state, Cp1252FromUtf8(w[1]));
    if (record < 0) {
      got = "no object " + w[1];
    } else {
      const std::string& place = f.state.objectTable[static_cast<size_t>(record + kLoc)];
      holds = place == Cp1252FromUtf8(w[2]);
      got = Utf8FromCp1252(place);
    }
  } else if (what == "msg" && w.size() >= 3 && w[1] == "contains") {
    const std::string shown = MessagesShown(f);
    holds = Contains(shown, Cp1252FromUtf8(a.After(2)));
    got = Quoted(shown);
  } else {
    return "cannot read " + a.text;
  }
  return holds ? std::string() : "expected " + a.rest + ", got " + got;
}

}  // namespace lumora
