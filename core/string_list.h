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
bool SaveLinesAtomic(const std::string& path, const StringList& lines);

// Reads a whole file as bytes; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace lumora
