// An X server of its own for a test (Xvfb on the first free display), and the file helpers the real-window tests share.
#pragma once

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <gtest/gtest.h>

namespace lumora_x {

inline QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// An X server for one test, on the first free display.
class Xvfb {
 public:
  Xvfb() {
    server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (server_.waitForReadyRead(30000)) display_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
  }
  ~Xvfb() {
    server_.terminate();
    server_.waitForFinished(5000);
  }
  QString display() const { return display_; }
  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("QT_QPA_PLATFORM", "xcb");
    return env;
  }

 private:
  QProcess server_;
  QString display_;
};

}  // namespace lumora_x
