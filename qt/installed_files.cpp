// Finding the files installed with the program, relative to it, so that any
// install prefix works; the build tree keeps the modules beside the program.
#include "qt/installed_files.h"

#include <QDir>
#include <QFileInfo>

namespace lumora {

QString ProgramFolder() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(); }

// LUMORA_MODULE_DIR and LUMORA_DEMO_DIR are relative to the installed program's folder.
QString ModuleFile(const QString& name) {
  const QString folder = ProgramFolder();
  const QString installed = QDir::cleanPath(folder + QStringLiteral("/" LUMORA_MODULE_DIR "/") + name);
  if (QFileInfo::exists(installed)) return installed;
  return folder + "/" + name;
}

QStringList TranslationFolders() {
  const QString folder = ProgramFolder();
  return {QDir::cleanPath(folder + QStringLiteral("/" LUMORA_TRANSLATION_DIR)), folder};
}

QString InstalledDemoFolder() { return QDir::cleanPath(ProgramFolder() + QStringLiteral("/" LUMORA_DEMO_DIR)); }

}  // namespace lumora
