// The library's window: the games with their pictures, names and when each
// was last played; a game plays in a process of its own, so one that
// misbehaves cannot take the library down, and the library shows again when
// it ends.
#include "app/library_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "app/library.h"
#include "qt/slot_panel.h"

namespace lumora {
namespace {

QString T(const char* text) { return QCoreApplication::translate("Library", text); }

class LibraryWindow : public QWidget {
 public:
  explicit LibraryWindow(LibraryShown quitWhen) : quitWhen_(quitWhen) {
    setWindowTitle(T(QT_TRANSLATE_NOOP("Library", "Lumora: your games")));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(160, 120));
    list_->setGridSize(QSize(200, 190));
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setWordWrap(true);
    list_->setAccessibleName(T(QT_TRANSLATE_NOOP("Library", "Games")));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    play_ = buttons->addButton(T(QT_TRANSLATE_NOOP("Library", "&Play")), QDialogButtonBox::AcceptRole);
    restore_ = buttons->addButton(T(QT_TRANSLATE_NOOP("Library", "R&estore...")), QDialogButtonBox::ActionRole);
    auto* add = buttons->addButton(T(QT_TRANSLATE_NOOP("Library", "&Add a game...")), QDialogButtonBox::ActionRole);
    remove_ = buttons->addButton(T(QT_TRANSLATE_NOOP("Library", "&Remove from the list")),
                                 QDialogButtonBox::DestructiveRole);
    play_->setDefault(true);
    layout->addWidget(buttons);
    connect(add, &QPushButton::clicked, this, [this] { Add(); });
    connect(restore_, &QPushButton::clicked, this, [this] { Restore(); });
    connect(remove_, &QPushButton::clicked, this, [this] { Remove(); });
    connect(list_, &QListWidget::itemActivated, this, [this] { Play(); });
    connect(play_, &QPushButton::clicked, this, [this] { Play(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { Chosen(); });
    resize(720, 480);
    Fill();
  }

 private:
  const LibraryGame* Current() const {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(games_.size()) ? &games_[static_cast<size_t>(row)] : nullptr;
  }

  static QString Shown(const LibraryGame& g) {
    const QString when = g.lastPlayed ? QLocale().toString(QDateTime::fromSecsSinceEpoch(g.lastPlayed), QLocale::ShortFormat)
                                      : T(QT_TRANSLATE_NOOP("Library", "never played"));
    return g.name + "\n" + when;
  }

  // The names show at once; the pictures follow, one each pass of the event
  // loop, so a long list never waits for its pictures.
  void Fill() {
    const QString chosen = Current() ? Current()->folder : QString();
    games_ = library_.Games();
    list_->clear();
    int row = 0;
    for (const LibraryGame& g : games_) {
      auto* item = new QListWidgetItem(Shown(g), list_);
      item->setToolTip(g.folder);
      if (g.folder == chosen) row = list_->count() - 1;
    }
    list_->setCurrentRow(row);
    Chosen();
    ++generation_;
    LoadThumbnail(0, generation_);
  }

  void LoadThumbnail(int row, int generation) {
    if (generation != generation_) return;
    if (row >= static_cast<int>(games_.size())) {
      // Shown whole (the benchmark's and the real-window test's end).
      if (quitWhen_ == LibraryShown::WithPictures) {
        repaint();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      }
      return;
    }
    QTimer::singleShot(0, this, [this, row, generation] {
      if (generation != generation_) return;
      list_->item(row)->setIcon(QIcon(QPixmap::fromImage(Library::Thumbnail(games_[static_cast<size_t>(row)]))));
      LoadThumbnail(row + 1, generation);
    });
  }

  void Chosen() {
    const LibraryGame* g = Current();
    play_->setEnabled(g != nullptr && !child_);
    restore_->setEnabled(g != nullptr && !child_ && !Library::Slots(*g).empty());
    remove_->setEnabled(g != nullptr && !g->installed);
  }

  // A game opened from one of its slots starts resumed, not on its opening screen.
  void Restore() {
    const LibraryGame* g = Current();
    if (!g || child_) return;
    const std::vector<SlotInfo> known = Library::Slots(*g);
    QStringList shown;
    for (const SlotInfo& s : known) shown << SlotCaption(s).replace('\n', " \u2014 ");
    bool ok = false;
    const QString chosen = QInputDialog::getItem(this, windowTitle(), T(QT_TRANSLATE_NOOP("Library", "Saved game:")),
                                                 shown, 0, false, &ok);
    if (!ok) return;
    Play({"--restore", QString::fromStdString(known[static_cast<size_t>(shown.indexOf(chosen))].id)});
  }

  void Play(const QStringList& extra = {}) {
    const LibraryGame* g = Current();
    if (!g || child_) return;
    library_.Played(g->folder);
    child_ = new QProcess(this);
    connect(child_, &QProcess::finished, this, [this] { Ended(); });
    connect(child_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
      if (e == QProcess::FailedToStart) Ended();
    });
    child_->start(QCoreApplication::applicationFilePath(), QStringList{g->folder} + extra);
    hide();
  }

  void Ended() {
    child_->deleteLater();
    child_ = nullptr;
    Fill();
    show();
    raise();
    activateWindow();
  }

  void Add() {
    const QString folder = QFileDialog::getExistingDirectory(this, T(QT_TRANSLATE_NOOP("Library", "Add a game")));
    if (folder.isEmpty()) return;
    QString error;
    if (!library_.Add(folder, error)) {
      QMessageBox::warning(this, windowTitle(), error);
      return;
    }
    Fill();
  }

  void Remove() {
    const LibraryGame* g = Current();
    if (!g || g->installed) return;
    library_.Remove(g->folder);
    Fill();
  }

  Library library_;
  std::vector<LibraryGame> games_;
  QListWidget* list_ = nullptr;
  QPushButton *play_ = nullptr, *remove_ = nullptr, *restore_ = nullptr;
  QProcess* child_ = nullptr;
  int generation_ = 0;
  LibraryShown quitWhen_;

 protected:
  // The names are on the screen once the list has painted.
  void paintEvent(QPaintEvent* e) override {
    QWidget::paintEvent(e);
    if (quitWhen_ == LibraryShown::Names && !quitting_) {
      quitting_ = true;
      list_->repaint();
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
  }

 private:
  bool quitting_ = false;
};

}  // namespace

int RunLibraryWindow(QApplication& app, LibraryShown quitWhen) {
  LibraryWindow window(quitWhen);
  window.show();
  return app.exec();
}

}  // namespace lumora
