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

// "file://" + the folder with blanks as "%20" and other bytes beyond ASCII
// percent-encoded, so a page can address the game's pictures.
std::string GameFolderUrl(const std::string& folder);

}  // namespace lumora
