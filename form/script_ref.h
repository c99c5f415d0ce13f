// Script references: "name&Prm=v&Prx=v&Pry=v" and the symbolic names that
// stand for the current exits and special scripts.
#pragma once
#include <string>
#include <string_view>

namespace lumora {

struct Exits;

struct LinkParams {
  std::string prm, prx, pry;
};

// Returns the bare name; sets the parameters the reference names and leaves the
// others as they are. Only references holding "&" are split.
std::string SplitReference(std::string_view reference, LinkParams& params);

// The special scripts a symbolic name may stand for.
struct SpecialScripts {
  const std::string& posic;
  const std::string& objeto;
  const std::string& retscp;
};

// "@norte" .. "@descer", "@pos", "@obj", "xvlt"/"@xvlt" become the field they
// name when it is not empty; any other name stays. The result is not resolved again.
std::string ResolveName(const std::string& name, const Exits& exits, const SpecialScripts& specials);

// Whether the script a (resolved) name stands for lies in the game folder. A
// page's link, a walkthrough's "link" or a script may name "../x", an absolute
// path or a path through a folder link the game ships: each would run a script
// from elsewhere on the player's disk, so none of them runs.
bool ScriptInsideGame(const std::string& gameFolder, const std::string& name);

// "file://" + the folder with blanks as "%20" and other bytes beyond ASCII
// percent-encoded, so a page can address the game's pictures.
std::string GameFolderUrl(const std::string& folder);

}  // namespace lumora
