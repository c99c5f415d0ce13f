// The save panel (F5) and the restore panel (F9) over the game: the game's
// slots with their pictures, places and times. The panel only shows the
// engine's slots and forwards the player's choice as an entry.
#include "qt/slot_panel.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text1252.h"
#include "qt/main_window.h"
#include "shell/save_slots.h"

namespace lumora {
namespace {

// The panel's texts, marked where they stand for the translators.
QString T(const char* text) { return QCoreApplication::translate("Slots", text); }

class SlotPanel : public QDialog {
 public:
  SlotPanel(MainWindow& window, TForm1& f, bool restore) : QDialog(&window), window_(window), f_(f), restore_(restore) {
    setWindowTitle(restore ? T(QT_TRANSLATE_NOOP("Slots", "Restore a saved game")) : T(QT_TRANSLATE_NOOP("Slots", "Save the game")));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setIconSize(QSize(160, 100));
    list_->setAccessibleName(T(QT_TRANSLATE_NOOP("Slots", "Saved games")));
    layout->addWidget(list_);
    if (!restore) {
      auto* label = new QLabel(T(QT_TRANSLATE_NOOP("Slots", "&Name:")), this);
      name_ = new QLineEdit(this);
      name_->setAccessibleName(T(QT_TRANSLATE_NOOP("Slots", "Name")));
      label->setBuddy(name_);
      layout->addWidget(label);
      layout->addWidget(name_);
    }
    auto* buttons = new QDialogButtonBox(this);
    act_ = buttons->addButton(restore ? T(QT_TRANSLATE_NOOP("Slots", "&Restore")) : T(QT_TRANSLATE_NOOP("Slots", "&Save")), QDialogButtonBox::AcceptRole);
    rename_ = buttons->addButton(T(QT_TRANSLATE_NOOP("Slots", "Re&name...")), QDialogButtonBox::ActionRole);
    delete_ = buttons->addButton(T(QT_TRANSLATE_NOOP("Slots", "&Delete")), QDialogButtonBox::DestructiveRole);
    buttons->addButton(QDialogButtonBox::Close);
    act_->setDefault(true);
    layout->addWidget(buttons);
    connect(act_, &QPushButton::clicked, this, [this] { Act(); });
    connect(rename_, &QPushButton::clicked, this, [this] { Rename(); });
    connect(delete_, &QPushButton::clicked, this, [this] { Delete(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this] { Act(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { Chosen(); });
    Fill();
    resize(560, 420);
    // Saving, the player types a name and presses Enter; restoring, picks a row.
    if (name_) name_->setFocus();
    else list_->setFocus();
  }

 private:
  // The slot of the chosen row; nullptr for the save panel's "new" row.
  const SlotInfo* Current() const {
    const int row = list_->currentRow() - (restore_ ? 0 : 1);
    return row >= 0 && row < static_cast<int>(slots_.size()) ? &slots_[static_cast<size_t>(row)] : nullptr;
  }

  void Fill() {
    slots_ = ListSlots(f_);
    list_->clear();
    if (!restore_) list_->addItem(T(QT_TRANSLATE_NOOP("Slots", "New saved game")));
    for (const SlotInfo& s : slots_) {
      auto* item = new QListWidgetItem(SlotCaption(s), list_);
      if (!s.picture.empty()) item->setIcon(QIcon(QString::fromStdString(s.picture)));
    }
    list_->setCurrentRow(0);
    Chosen();
  }

  void Chosen() {
    const SlotInfo* s = Current();
    rename_->setEnabled(s != nullptr);
    delete_->setEnabled(s != nullptr);
    act_->setEnabled(!restore_ || s != nullptr);
    if (name_ && s) name_->setText(QStringFromCp1252(s->name));
  }

  bool Ask(const QString& question) {
    return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
  }

  void Act() {
    const SlotInfo* s = Current();
    if (restore_) {
      if (!s) return;
      const std::string id = s->id;
      accept();
      window_.TellPlayerAction("restore " + Utf8FromCp1252(s->name));
      window_.Enter([this, id] { RestoreSlot(f_, id); });
      return;
    }
    std::string name = Cp1252FromUtf8(name_->text().trimmed().toStdString());
    std::string replacing;
    if (s) {
      if (!Ask(T(QT_TRANSLATE_NOOP("Slots", "Replace the saved game \"%1\"?")).arg(SlotCaption(*s).section('\n', 0, 0)))) return;
      replacing = s->id;
      if (name.empty()) name = s->name;
    }
    // A slot the player saves is named: the time stands in for a name not given.
    if (name.empty()) name = Cp1252FromUtf8(QLocale().toString(QDateTime::currentDateTime()).toStdString());
    accept();
    window_.TellPlayerAction("save " + Utf8FromCp1252(name));
    window_.Enter([this, name, replacing] { SaveSlot(f_, name, replacing); });
  }

  void Rename() {
    const SlotInfo* s = Current();
    if (!s) return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, windowTitle(), T(QT_TRANSLATE_NOOP("Slots", "New name:")), QLineEdit::Normal,
                                               QStringFromCp1252(s->name), &ok);
    if (!ok || name.trimmed().isEmpty()) return;
    const std::string id = s->id;
    window_.Enter([this, id, name] { RenameSlot(f_, id, Cp1252FromUtf8(name.trimmed().toStdString())); });
    Fill();
  }

  void Delete() {
    const SlotInfo* s = Current();
    if (!s || !Ask(T(QT_TRANSLATE_NOOP("Slots", "Delete the saved game \"%1\"?")).arg(SlotCaption(*s).section('\n', 0, 0)))) return;
    const std::string id = s->id;
    window_.Enter([this, id] { DeleteSlot(f_, id); });
    Fill();
  }

  MainWindow& window_;
  TForm1& f_;
  bool restore_;
  std::vector<SlotInfo> slots_;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPushButton *act_ = nullptr, *rename_ = nullptr, *delete_ = nullptr;
};

}  // namespace

QString SlotCaption(const SlotInfo& s) {
  const QString name = s.name.empty() ? T(QT_TRANSLATE_NOOP("Slots", "Before restoring")) : QStringFromCp1252(s.name);
  const QString when = QLocale().toString(QDateTime::fromSecsSinceEpoch(s.time), QLocale::ShortFormat);
  return name + "\n" + QStringFromCp1252(s.place) + " \u2014 " + when;
}

void RunSlotPanel(MainWindow& window, TForm1& f, bool restore) {
  SlotPanel panel(window, f, restore);
  panel.exec();
}

}  // namespace lumora
