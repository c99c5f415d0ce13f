// Files named by a game: found as written, only regardless of case, or not at all.
#include "tools/name_checks.h"

#include <array>

#include "core/strings.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/script_ref.h"

namespace lumora {
namespace {

// The picture extensions the loader knows, each tested anywhere in the name.
constexpr std::array<std::string_view, 4> kPictureExtensions = {".png", ".jpg", ".bmp", ".gif"};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace

std::string Quoted(std::string_view cp1252) { return "'" + Utf8FromCp1252(cp1252) + "'"; }

std::string FileMessage(const char* what, std::string_view name, const FolderIndex& folder,
                        std::string_view extension) {
  std::string actual;
  const Presence p = folder.Find(std::string(name) + std::string(extension), &actual);
  if (p == Presence::Exact) return {};
  const std::string kind = translate("Check", what).toStdString();
  if (p == Presence::Missing)
    return TranslatedUtf8(QT_TRANSLATE_NOOP("Check", "%1 %2 does not exist"), {kind, Quoted(name)});
  return TranslatedUtf8(
      QT_TRANSLATE_NOOP("Check", "%1 %2 is found only through the case-insensitive look-up (the file is %3)"),
      {kind, Quoted(name), actual});
}

std::string CheckPicture(std::string_view name, const FolderIndex& folder) {
  for (std::string_view ext : kPictureExtensions)
    if (name.find(ext) != std::string_view::npos)
      return FileMessage(QT_TRANSLATE_NOOP("Check", "picture"), name, folder);
  const std::string lower = Lower(name);
  for (std::string_view ext : kPictureExtensions)
    if (lower.find(ext) != std::string::npos)
      return TranslatedUtf8(
          QT_TRANSLATE_NOOP("Check",
                            "picture %1: the picture loader reads only lower-case extensions (%2), so it skips "
                            "this file"),
          {Quoted(name), std::string(ext)});
  return {};
}

std::string CheckScriptReference(std::string_view reference, const FolderIndex& folder) {
  LinkParams ignored;
  const std::string name = reference.find('&') != std::string_view::npos ? SplitReference(reference, ignored)
                                                                        : std::string(reference);
  if (name.empty() || StartsWith(name, "@") || name == "xvlt" || name == "picFmap" || Contains(name, "http://"))
    return {};
  return FileMessage(QT_TRANSLATE_NOOP("Check", "script"), name, folder, ".scp");
}

}  // namespace lumora
