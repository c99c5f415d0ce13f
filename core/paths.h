// The path resolver: every game file is opened through it.
#pragma once
#include <string>
#include <string_view>

namespace lumora {

// Games come from Windows: names are Windows-1252 and their case may not match
// the files ("Sala.scp" for "sala"), and they may use "\" between folders.
// Returns the path to open for folder + name: the name converted to UTF-8 when
// that exists, else a case-insensitive match in its folder, else the raw bytes.
// The folder is a native (UTF-8) path ending with "/".
std::string ResolvePath(const std::string& folder, std::string_view name);

// Whether folder + name names an existing regular file (after resolving).
bool FileExists(const std::string& folder, std::string_view name);

// Whether a file name given by a script stays inside the folder it is joined
// to: not empty, not absolute, no drive, no ".." step (either slash counts).
// Files a script writes or deletes by name pass it, so no game can reach the
// player's other files.
bool InsideFolder(std::string_view name);

// InsideFolder, and more: the folder the name resolves to, with every link on
// the way followed, is the folder itself or one below it. A game may ship a
// folder link ("sub" -> somewhere else); a name through it leaves the game
// although it reads as inside. The name's last part may itself be a link:
// removing or replacing a file acts on the link, not on what it points to.
bool ReallyInsideFolder(const std::string& folder, std::string_view name);

// Whether an absolute path names a file (or folder) that, with every link on
// the way followed, the last one included, is the folder itself or lies below
// it; a missing file or folder does not. What a page in the web view reads
// passes it: a picture in the game's folder that is a link to the player's
// other files is refused, as a name through a folder link that leaves is.
bool ReallyReadsInsideFolder(const std::string& folder, const std::string& path);

// Whether two paths name the same existing file, links followed.
bool SameRealFile(const std::string& a, const std::string& b);

// What a trace line adds when a command refuses a name that leaves the folder.
inline constexpr const char* kOutsideFolderTrace = " <--- fora da pasta do jogo";

// Whether the program may create, replace and remove files in the folder.
bool FolderWritable(const std::string& folder);

// A game's state (its saved game, its configuration as shutdown writes it, the
// map it draws, the page it shows) is written to its state folder: the game
// folder itself when that can be written, else a folder of the player's own.
// Reading, the player's copy there comes first and the game's original after.
// Returns the folder to read `name` from: stateFolder when it is another folder
// holding the file, else gameFolder.
const std::string& StateReadFolder(const std::string& gameFolder, const std::string& stateFolder,
                                   std::string_view name);

// The folder part of a path, ending with "/" ("" when it has none).
std::string FolderOf(const std::string& path);

// The file name without its folder.
std::string FileNameOf(const std::string& path);

}  // namespace lumora
