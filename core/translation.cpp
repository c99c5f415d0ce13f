// Loading the translation the locale names, and looking texts up in it.
#include "core/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <vector>

#include "core/text1252.h"

namespace lumora {
namespace {

QTranslator& Translation() {
  static QTranslator translator;
  return translator;
}

}  // namespace

QString LocaleLanguage() {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) continue;
    // The first of LANGUAGE's list; the encoding and the modifier go.
    QString language = value.section(':', 0, 0).section('.', 0, 0).section('@', 0, 0);
    if (language == QLatin1String("C") || language == QLatin1String("POSIX")) return {};
    return language;
  }
  return {};
}

bool LoadTranslation(const QStringList& folders) {
  const QString language = LocaleLanguage();
  if (language.isEmpty()) return false;
  // The loader tries "pt_BR", then "pt"; Portuguese of another country takes
  // the Brazilian translation, the only Portuguese one.
  QStringList names{language};
  if (language.section('_', 0, 0) == QLatin1String("pt")) names << QStringLiteral("pt_BR");
  for (const QString& name : names)
    for (const QString& folder : folders)
      if (Translation().load(QStringLiteral("lumora_") + name, folder)) return true;
  return false;
}

void InstallTranslation() {
  if (!Translation().isEmpty()) QCoreApplication::installTranslator(&Translation());
}

QString translate(const char* context, const char* text) {
  const QString translated = Translation().translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

namespace {

// %1 to %9 filled in one pass: a game's name or line holding "%2" stays as it is.
std::string Filled(const std::string& pattern, std::initializer_list<std::string> args) {
  const std::vector<std::string> values(args);
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t n = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : values.size();
    if (pattern[i] == '%' && n < values.size()) {
      out += values[n];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace

std::string Translated1252(const char* text, std::initializer_list<std::string> args) {
  return Filled(Cp1252FromQString(translate("Game", text)), args);
}

std::string TranslatedUtf8(const char* text, std::initializer_list<std::string> args) {
  return Filled(translate("Check", text).toStdString(), args);
}

}  // namespace lumora
