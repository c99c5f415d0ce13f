// Labels of the running script: the listing and the references to one label.
#pragma once
#include <string>
#include <string_view>

#include "core/string_list.h"

namespace lumora {

// Every trimmed line that starts with ":" and holds no blank, each followed by a
// blank; "Este script não tem labels!" when there is none.
std::string LabelListing(const StringList& lines);

// The lines that mention the label's name anywhere (the label line included).
std::string LabelReferences(const StringList& lines, std::string_view labelLine);

}  // namespace lumora
