// Saving several files as one moment: a kill or a full disk leaves either all of
// them from the new save or all of them from the old one, never a mix.
#pragma once
#include <string>
#include <vector>

#include "core/string_list.h"

namespace lumora {

struct FileToSave {
  std::string path;  // the target, a native path; every target lies in the record's folder
  const StringList* lines;
};

// Writes and syncs a temporary file beside each target, then the commit record
// (the targets' names, then "end"), then renames every temporary file over its
// target and removes the record. False on any failure before the record exists:
// the targets then stay as they were and the temporary files are removed.
bool SaveLinesTogether(const std::string& recordPath, const std::vector<FileToSave>& files);

// Finishes a save cut short: with a whole record, every temporary file still
// there is renamed over its target (the new save wins); without one, the
// temporary files of the given targets are removed (the old save stays).
// The record is a file of the game folder, which a game may ship: only the
// names of the given targets count in it, other lines are ignored, and only a
// plain file (not a link) takes a target's place.
// Returns true when a save was rolled forward.
bool RecoverSavedTogether(const std::string& recordPath, const std::vector<std::string>& targets);

}  // namespace lumora
