// Splitting and resolving script references.
#include "form/script_ref.h"

#include "core/paths.h"
#include "form/exits.h"

namespace lumora {

std::string SplitReference(std::string_view reference, LinkParams& params) {
  const size_t amp = reference.find('&');
  if (amp == std::string_view::npos) return std::string(reference);
  const std::string_view tail = reference.substr(amp);
  const std::pair<std::string_view, std::string*> keys[] = {
      {"&Prm=", &params.prm}, {"&Prx=", &params.prx}, {"&Pry=", &params.pry}};
  for (const auto& [key, field] : keys) {
    const size_t at = tail.find(key);
    if (at != std::string_view::npos) *field = std::string(tail.substr(at + key.size()));
  }
  for (const auto& [key, field] : keys) {
    const size_t cut = field->find('&');
    if (cut != std::string::npos) field->resize(cut);
  }
  return std::string(reference.substr(0, amp));
}

std::string ResolveName(const std::string& name, const Exits& exits, const SpecialScripts& specials) {
  if (name.size() > 1 && name[0] == '@') {
    const std::string* exit = ExitOfWord(exits, std::string_view(name).substr(1));
    if (exit) return exit->empty() ? name : *exit;
  }
  const std::pair<std::string_view, const std::string*> table[] = {
      {"@pos", &specials.posic}, {"@obj", &specials.objeto}, {"xvlt", &specials.retscp}, {"@xvlt", &specials.retscp}};
  for (const auto& [symbol, field] : table)
    if (name == symbol && !field->empty()) return *field;
  return name;
}

bool ScriptInsideGame(const std::string& gameFolder, const std::string& name) {
  return ReallyInsideFolder(gameFolder, name + ".scp");
}

std::string GameFolderUrl(const std::string& folder) {
  static const char* kHex = "0123456789ABCDEF";
  std::string url = "file://";
  for (unsigned char c : folder) {
    if (c == ' ') {
      url += "%20";
    } else if (c >= 0x80) {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    } else {
      url += static_cast<char>(c);
    }
  }
  return url;
}

}  // namespace lumora
