// Reading the shown messages aloud.
#include "view/read_aloud.h"

#include <cctype>
#include <utility>

#include "core/strings.h"
#include "core/translation.h"
#include "form/form1.h"

namespace lumora {
namespace {

// What a memo says beyond what was read already: the tail when the text grew
// (the typed memo keeps every earlier line), the whole text when it changed.
std::string NewPart(const std::string& now, std::string& read) {
  std::string part;
  if (now != read) part = now.compare(0, read.size(), read) == 0 && !read.empty() ? now.substr(read.size()) : now;
  read = now;
  return part;
}

// Line breaks and runs of blanks read as one pause.
std::string Collapse(std::string_view text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == '\t' || c == ' ') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The end of a tag whose content a reader skips, or npos.
size_t SkipContent(const std::string& lower, size_t tagStart) {
  for (const char* name : {"head", "script", "style", "title"}) {
    const std::string open = std::string("<") + name;
    if (lower.compare(tagStart, open.size(), open) != 0) continue;
    const char after = tagStart + open.size() < lower.size() ? lower[tagStart + open.size()] : '>';
    if (after != '>' && after != ' ') continue;
    const size_t close = lower.find(std::string("</") + name, tagStart);
    return close == std::string::npos ? lower.size() : lower.find('>', close);
  }
  return std::string::npos;
}

}  // namespace

std::string PageWords(std::string_view html) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&nbsp;", " "}, {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}};
  const std::string text(html), lower = Lower(html);
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '<') {
      size_t end = SkipContent(lower, i);
      if (end == std::string::npos) end = text.find('>', i);
      if (end == std::string::npos) break;
      out += ' ';  // a tag separates words
      i = end + 1;
      continue;
    }
    bool entity = false;
    for (const auto& [name, stands] : kEntities) {
      if (lower.compare(i, std::char_traits<char>::length(name), name) == 0) {
        out += stands;
        i += std::char_traits<char>::length(name);
        entity = true;
        break;
      }
    }
    if (!entity) out += text[i++];
  }
  return Collapse(out);
}

bool SetReadAloud(TForm1& f, bool on) {
  auto& r = f.readAloud;
  if (on && !f.platform.SpeechAvailable()) {
    if (!r.toldUnavailable)
      f.notice =
          Translated1252(QT_TRANSLATE_NOOP("Game", "Reading aloud is not available: no speech synthesizer was found."));
    r.toldUnavailable = true;
    on = false;
  }
  if (on && !r.on) r.msg = r.memo0 = r.memo3 = r.page = "";  // what is shown now is read next
  if (!on && r.on) f.platform.StopSpeaking();
  r.on = on;
  return on;
}

bool ToggleReadAloud(TForm1& f) { return SetReadAloud(f, !f.readAloud.on); }

void ReadAfterNewAction(TForm1& f) { f.readAloud.newAction = true; }

void ReadNewTexts(TForm1& f) {
  auto& r = f.readAloud;
  const bool newAction = std::exchange(r.newAction, false);
  if (!r.on) return;
  if (newAction) f.platform.StopSpeaking();
  const DisplayModel model = f.Model();
  std::string words;
  auto add = [&](const std::string& part) {
    const std::string said = Collapse(part);
    if (said.empty()) return;
    if (!words.empty()) words += ' ';
    words += said;
  };
  // Each text's reading follows its own model; the others are only noted.
  const std::string msg = NewPart(f.Msg.text, r.msg), memo0 = NewPart(f.MsgMd0.text, r.memo0),
                    memo3 = NewPart(f.Memo3.text, r.memo3);
  const std::string page = f.page.written ? JoinLines(f.page.lastWritten) : std::string();
  const std::string pageWords = page != r.page ? PageWords(page) : std::string();
  r.page = page;
  if (model == DisplayModel::Picture) add(msg);
  if (model == DisplayModel::Typed) add(memo0);
  if (model == DisplayModel::Canvas) add(memo3);
  if (model == DisplayModel::Page) add(pageWords);
  if (!words.empty()) f.platform.Speak(words);
}

}  // namespace lumora
