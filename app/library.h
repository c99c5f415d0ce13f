// The game library: the games installed with the program and those the player
// added, each with its opening picture, name and when it was last played. The
// list is kept with the program's settings; nothing here deletes a file.
#pragma once
#include <QImage>
#include <QSettings>
#include <QString>
#include <vector>

#include "shell/save_slots.h"

namespace lumora {

struct Options;

struct LibraryGame {
  QString folder;   // absolute, without a trailing "/"
  QString name;     // the name of its ".ini"
  QString picture;  // the opening picture's file, "" for the built-in one
  qint64 lastPlayed = 0;  // seconds since 1970, 0 for never
  bool installed = false;  // came with the program: it cannot be removed
};

class Library {
 public:
  Library();
  // Installed games first, then the player's in the order added; a folder
  // that no longer holds a game is left out (and kept, should it come back).
  std::vector<LibraryGame> Games() const;
  // A game's folder or its ".ini". False with the reason when it is no game: a
  // player's state folder holds an ".ini" but no scripts.
  bool Add(const QString& path, QString& error);
  // Takes a game the player added off the list; its files stay.
  bool Remove(const QString& folder);
  void Played(const QString& folder);
  // The game's save slots, newest first, as the game lists them.
  static std::vector<SlotInfo> Slots(const LibraryGame& game);
  // Where a game's thumbnail is kept among the player's cached files.
  static QString ThumbnailFile(const LibraryGame& game);
  // The game's opening picture at thumbnail size, from the cache when it is
  // as new as the picture.
  static QImage Thumbnail(const LibraryGame& game);

 private:
  mutable QSettings settings_;
};

// The library's test mode, headless: lumora --library list | add GAME |
// remove GAME | play GAME [--play WALK --headless --json]. Prints the list as
// JSON (one game a line) after the change; play starts the game as the window
// would, as a process of its own, and returns its exit status.
int RunLibraryCommand(const Options& options, const char* argv0);

}  // namespace lumora
