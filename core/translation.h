// The player's own texts in the user's language: written in English in the
// source, translated by the Qt translation (.qm) that the locale names.
// What a game shows, the trace and the texts the behaviour gives byte for byte
// never go through here.
#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>

namespace lumora {

// The language the locale asks for, as the first of LANGUAGE (a list, by
// colons), LC_ALL, LC_MESSAGES and LANG that is set: "pt_BR" of
// "pt_BR.UTF-8"; empty for C, POSIX or nothing set (English).
QString LocaleLanguage();

// Loads lumora_LANGUAGE.qm from the first folder that has it, for
// translate() and for the application once there is one; English when none
// fits. Returns whether a translation was loaded.
bool LoadTranslation(const QStringList& folders);
// Hands the loaded translation to the application, for tr() in widgets.
void InstallTranslation();

// TEXT (UTF-8, English) in the user's language. Works before the application
// exists (the command line, --help, --check). lupdate reads these calls.
QString translate(const char* context, const char* text);
// The engine's messages (context "Game"), in Windows-1252, with %1, %2 ...
// filled from ARGS (Windows-1252 too). Written
// Translated1252(QT_TRANSLATE_NOOP("Game", "text"), {...}), so that lupdate finds them.
std::string Translated1252(const char* text, std::initializer_list<std::string> args = {});
// The same in UTF-8, with UTF-8 arguments: the checker's findings (context "Check").
std::string TranslatedUtf8(const char* text, std::initializer_list<std::string> args = {});

}  // namespace lumora
