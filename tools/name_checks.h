// The checks of names a game gives for its files: scripts, pictures, sounds.
#pragma once
#include <string>
#include <string_view>

#include "tools/folder_index.h"

namespace lumora {

// A Windows-1252 text in single quotes, UTF-8.
std::string Quoted(std::string_view cp1252);

// The message for a file a game names (`what`: "script", "sound" ...), or ""
// when it is found as written. `extension` is added to the name to find it.
std::string FileMessage(const char* what, std::string_view name, const FolderIndex& folder,
                        std::string_view extension = {});

// A picture is loaded only when its name holds ".png", ".jpg", ".bmp" or ".gif"
// in lower case; a name with none of them is no picture (a display text) and
// passes. Returns the message, or "" when sound.
std::string CheckPicture(std::string_view name, const FolderIndex& folder);

// A script reference as the interpreter looks it up: link parameters split off;
// symbolic names ("@norte", "xvlt"), the map toggle and web addresses pass.
std::string CheckScriptReference(std::string_view reference, const FolderIndex& folder);

}  // namespace lumora
