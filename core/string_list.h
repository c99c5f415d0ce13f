// String lists and their files: read with CR LF, LF or CR, written with CR LF.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

using StringList = std::vector<std::string>;

// Splits a text at CR LF, LF or CR; a final line break adds no empty line.
StringList SplitLines(std::string_view text);

// Each entry followed by CR LF.
std::string JoinLines(const StringList& lines);

// Reads a whole file into lines; false when it cannot be opened.
bool LoadLines(const std::string& path, StringList& lines);

// Writes lines with CR LF to a temporary file beside the target, then renames it
// over the target, so a crash or a full disk never leaves half a file. False on
// any failure; the old file then stays as it was.
// Without `sync` the bytes are left to the system's own time for the disk: for
// a file written anew at every use, whose loss in a crash costs nothing.
bool SaveLinesAtomic(const std::string& path, const StringList& lines, bool sync = true);

// The same for any bytes. A game folder is content people download: a target
// that is a link is replaced by the rename, never written through.
bool SaveBytesAtomic(const std::string& path, std::string_view bytes, bool sync = true);

// Writes bytes to a file made anew at path and syncs it. Whatever had that name
// (a stale file, or a link a game put there to aim the write elsewhere) is
// removed first, and the file is created exclusively without following links,
// so the bytes land in this folder or nowhere. False on any failure; nothing of
// that name is then left.
bool WriteFreshFile(const std::string& path, std::string_view bytes, bool sync = true);

// The temporary file written beside a target before it replaces it.
std::string TemporaryPathOf(const std::string& target);

// Reads a whole file as bytes; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace lumora
