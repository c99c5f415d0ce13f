// The author's inspector window. It only shows the model and forwards the
// author's edits; what an edit does is the engine's (shell/inspect.h).
#include "qt/inspector.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/text1252.h"
#include "form/form1.h"
#include "input/keyboard_focus.h"
#include "qt/main_window.h"

namespace lumora {
namespace {

QString T(const char* text) { return QCoreApplication::translate("Inspector", text); }

QString Q(const std::string& cp1252) { return QStringFromCp1252(cp1252); }

QTableWidget* Table(QWidget* parent, std::initializer_list<const char*> headers) {
  auto* t = new QTableWidget(parent);
  QStringList names;
  for (const char* h : headers) names << T(h);
  t->setColumnCount(static_cast<int>(names.size()));
  t->setHorizontalHeaderLabels(names);
  t->verticalHeader()->hide();
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
  t->horizontalHeader()->setStretchLastSection(true);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  return t;
}

// A cell's text; only the cells the author may change can be edited.
void SetCell(QTableWidget* t, int row, int column, const QString& text, bool editable = false) {
  QTableWidgetItem* item = t->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    t->setItem(row, column, item);
  }
  if (item->text() != text) item->setText(text);
  const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
  if (item->flags() != flags) item->setFlags(flags);
}

// A row that stands out: a register the last run changed.
void MarkRow(QTableWidget* t, int row, bool marked) {
  for (int c = 0; c < t->columnCount(); ++c) {
    QTableWidgetItem* item = t->item(row, c);
    QFont font = item->font();
    font.setBold(marked);
    item->setFont(font);
    item->setBackground(marked ? QBrush(QColor(255, 236, 160)) : QBrush());
  }
}

// Rows of a table the player can click only.
void Rows(QTableWidget* t, int count) {
  if (t->rowCount() != count) t->setRowCount(count);
}

}  // namespace

Inspector::Inspector(MainWindow& window, TForm1& f) : QWidget(&window, Qt::Window), window_(window), f_(f), watch_(f) {
  setWindowTitle(T(QT_TRANSLATE_NOOP("Inspector", "Inspector: %1")).arg(Q(f.gameName)));
  setAccessibleName(windowTitle());
  auto* layout = new QVBoxLayout(this);
  running_ = new QLabel(this);
  running_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(running_);
  auto* tabs = new QTabWidget(this);
  tabs->addTab(RegistersPage(), T(QT_TRANSLATE_NOOP("Inspector", "&Registers")));
  tabs->addTab(ObjectsPage(), T(QT_TRANSLATE_NOOP("Inspector", "&Objects")));
  exits_ = Table(this, {QT_TRANSLATE_NOOP("Inspector", "Exit"), QT_TRANSLATE_NOOP("Inspector", "Script")});
  exits_->setToolTip(T(QT_TRANSLATE_NOOP("Inspector", "Double-click an exit to go there")));
  tabs->addTab(exits_, T(QT_TRANSLATE_NOOP("Inspector", "&Exits")));
  areas_ = Table(this, {QT_TRANSLATE_NOOP("Inspector", "Area"), QT_TRANSLATE_NOOP("Inspector", "Left"),
                        QT_TRANSLATE_NOOP("Inspector", "Top"), QT_TRANSLATE_NOOP("Inspector", "Width"),
                        QT_TRANSLATE_NOOP("Inspector", "Height"), QT_TRANSLATE_NOOP("Inspector", "Script"),
                        QT_TRANSLATE_NOOP("Inspector", "Picture")});
  areas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabs->addTab(areas_, T(QT_TRANSLATE_NOOP("Inspector", "&Areas")));
  traceView_ = new QPlainTextEdit(this);
  traceView_->setReadOnly(true);
  traceView_->setLineWrapMode(QPlainTextEdit::NoWrap);
  traceView_->setAccessibleName(T(QT_TRANSLATE_NOOP("Inspector", "Trace")));
  tabs->addTab(traceView_, T(QT_TRANSLATE_NOOP("Inspector", "&Trace")));
  layout->addWidget(tabs, 1);
  // Going to a place: its name, as the position script names it.
  auto* go = new QHBoxLayout;
  auto* label = new QLabel(T(QT_TRANSLATE_NOOP("Inspector", "&Place:")), this);
  place_ = new QLineEdit(this);
  place_->setAccessibleName(T(QT_TRANSLATE_NOOP("Inspector", "Place")));
  label->setBuddy(place_);
  auto* button = new QPushButton(T(QT_TRANSLATE_NOOP("Inspector", "&Go there")), this);
  go->addWidget(label);
  go->addWidget(place_, 1);
  go->addWidget(button);
  layout->addLayout(go);
  connect(button, &QPushButton::clicked, this, [this] { GoTo(place_->text()); });
  connect(place_, &QLineEdit::returnPressed, this, [this] { GoTo(place_->text()); });
  connect(exits_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (QTableWidgetItem* script = exits_->item(row, 1)) GoTo(script->text());
  });
  PlaceBeside(window);
}

// Beside the game's window, on the side the screen has more room on, as
// narrow as that side when it must be (down to a usable width); over the
// game's edge only when neither side has that much, but always on the screen.
void Inspector::PlaceBeside(const QWidget& game) {
  constexpr int kWidth = 520, kNarrowest = 320, kGap = 8;
  const QRect at = game.frameGeometry();
  const QScreen* on = game.screen() ? game.screen() : QGuiApplication::primaryScreen();
  const QRect area = on ? on->availableGeometry() : QRect(0, 0, 1024, 768);
  const int right = area.right() - at.right() - kGap, left = at.left() - area.left() - kGap;
  const int room = std::max(left, right);
  const int width = std::min(std::min(kWidth, area.width()), std::max(room, kNarrowest));
  resize(width, std::min(std::max(at.height(), 560), area.height()));
  int x = right >= left ? at.right() + kGap : at.left() - kGap - width;
  x = std::clamp(x, area.left(), area.right() + 1 - width);
  move(x, std::clamp(at.top(), area.top(), area.bottom() - height()));
}

Inspector::~Inspector() { ShowOutlines(false); }

QWidget* Inspector::RegistersPage() {
  registers_ = Table(this, {QT_TRANSLATE_NOOP("Inspector", "Register"), QT_TRANSLATE_NOOP("Inspector", "Value")});
  registers_->setToolTip(T(QT_TRANSLATE_NOOP("Inspector", "Double-click a value to change it; the last run's changes are marked")));
  connect(registers_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || item->column() != 1) return;
    const int n = item->row();
    const std::string text = Cp1252FromQString(item->text());
    window_.TellPlayerAction("inspect reg " + std::to_string(n) + " " + item->text().toStdString());
    window_.EditBetweenRuns([&f = f_, n, text] { InspectSetRegister(f, n, text); });
  });
  return registers_;
}

QWidget* Inspector::ObjectsPage() {
  objects_ = Table(this, {QT_TRANSLATE_NOOP("Inspector", "Place"), QT_TRANSLATE_NOOP("Inspector", "Key"),
                          QT_TRANSLATE_NOOP("Inspector", "Name")});
  objects_->setToolTip(T(QT_TRANSLATE_NOOP("Inspector", "Double-click a place to move the object there")));
  connect(objects_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || item->column() != 0 || !objects_->item(item->row(), 1)) return;
    const std::string key = Cp1252FromQString(objects_->item(item->row(), 1)->text());
    const std::string place = Cp1252FromQString(item->text().trimmed());
    window_.TellPlayerAction("inspect obj " + objects_->item(item->row(), 1)->text().toStdString() + " " +
                             item->text().trimmed().toStdString());
    window_.EditBetweenRuns([&f = f_, key, place] { InspectMoveObject(f, key, place); });
  });
  return objects_;
}

void Inspector::GoTo(const QString& place) {
  const std::string name = Cp1252FromQString(place.trimmed());
  if (name.empty()) return;
  window_.TellPlayerAction("inspect go " + place.trimmed().toStdString());
  window_.EditBetweenRuns([&f = f_, name] { InspectGoTo(f, name); });
}

void Inspector::Refresh() {
  ShowOutlines(true);
  // Where a script waits (a pause, typing) is shown as it waits.
  running_->setText(T(QT_TRANSLATE_NOOP("Inspector", "Script %1, line %2; display model %3; place %4"))
                        .arg(Q(f_.Script))
                        .arg(f_.run.lineIndex + 1)
                        .arg(Q(f_.Modelo), Q(f_.Posic)));
  // The tables show the model between runs: a running script's half-done
  // changes would only flicker past.
  if (f_.runDepth != 0) return;
  filling_ = true;
  FillRegisters();
  FillObjects();
  FillExits();
  FillAreas();
  FillTrace();
  filling_ = false;
}

void Inspector::FillRegisters() {
  const StringList& registers = f_.state.registers;
  Rows(registers_, static_cast<int>(registers.size()));
  std::vector<bool> changed(registers.size(), false);
  for (const int n : watch_.Changed())
    if (static_cast<size_t>(n) < changed.size()) changed[static_cast<size_t>(n)] = true;
  for (size_t n = 0; n < registers.size(); ++n) {
    const int row = static_cast<int>(n);
    SetCell(registers_, row, 0, QString::number(row));
    SetCell(registers_, row, 1, Q(registers[n]), true);
    MarkRow(registers_, row, changed[n]);
  }
}

void Inspector::FillObjects() {
  const std::vector<PlacedObject> objects = ObjectsByPlace(f_.state);
  Rows(objects_, static_cast<int>(objects.size()));
  for (size_t i = 0; i < objects.size(); ++i) {
    const int row = static_cast<int>(i);
    SetCell(objects_, row, 0, Q(objects[i].place), true);
    SetCell(objects_, row, 1, Q(objects[i].key));
    SetCell(objects_, row, 2, Q(objects[i].name));
  }
}

void Inspector::FillExits() {
  Rows(exits_, static_cast<int>(std::size(kDirectionWords)));
  int row = 0;
  for (const DirectionWord& d : kDirectionWords) {
    SetCell(exits_, row, 0, QString::fromLatin1(d.word.data(), static_cast<qsizetype>(d.word.size())));
    SetCell(exits_, row, 1, Q(f_.exits.*d.exit));
    ++row;
  }
}

void Inspector::FillAreas() {
  std::vector<int> active;
  for (size_t i = 0; i < f_.links.records.size(); ++i)
    if (f_.links.records[i].active) active.push_back(static_cast<int>(i));
  Rows(areas_, static_cast<int>(active.size()));
  for (size_t row = 0; row < active.size(); ++row) {
    const LinkRecord& r = f_.links.records[static_cast<size_t>(active[row])];
    const int at = static_cast<int>(row);
    SetCell(areas_, at, 0, QString::number(active[row]));
    SetCell(areas_, at, 1, QString::number(r.left));
    SetCell(areas_, at, 2, QString::number(r.top));
    SetCell(areas_, at, 3, QString::number(r.width));
    SetCell(areas_, at, 4, QString::number(r.height));
    SetCell(areas_, at, 5, Q(r.script));
    SetCell(areas_, at, 6, Q(r.picture));
  }
}

// The lines as the trace file writes them: a heading names each script the
// lines start coming from.
void Inspector::FillTrace() {
  if (trace_.Seen() == traceShown_) return;
  traceShown_ = trace_.Seen();
  QString text;
  const std::string* script = nullptr;
  for (const TraceTail::Line& line : trace_.Lines()) {
    if (!script || *script != line.script) text += "### " + Q(line.script) + ".scp\n";
    script = &line.script;
    text += Q(line.text) + "\n";
  }
  traceView_->setPlainText(text);
  traceView_->verticalScrollBar()->setValue(traceView_->verticalScrollBar()->maximum());
}

// The active areas outlined over the surfaces they lie on, as the player sees
// them now (the background's over the opening picture on the opening screen).
void Inspector::ShowOutlines(bool shown) {
  size_t count = 0;
  const SurfaceRow* rows = SurfaceRows(count);
  for (size_t k = 0; k < count; ++k) {
    ImageWidget* widget = window_.SurfaceWidget(rows[k].id);
    if (!widget) continue;
    std::vector<QRect> outlines;
    for (size_t i = 0; shown && i < f_.links.records.size(); ++i) {
      const LinkRecord& r = f_.links.records[i];
      // The bounds are inclusive.
      if (r.active && SurfaceOfArea(f_, static_cast<int>(i)) == rows[k].id)
        outlines.push_back(ZoomedBounds(r.left, r.top, int64_t{r.width} + 1, int64_t{r.height} + 1, 1));
    }
    if (widget->outlines == outlines) continue;
    widget->outlines = std::move(outlines);
    widget->update();
  }
}

void Inspector::closeEvent(QCloseEvent* e) {
  e->accept();
  ShowOutlines(false);
  if (onClosed) onClosed();
}

void MainWindow::ToggleInspector() {
  if (inspector_) {
    inspector_->close();
    return;
  }
  inspector_ = new Inspector(*this, f_);
  inspector_->onClosed = [this] {
    inspector_->deleteLater();
    inspector_ = nullptr;
  };
  inspector_->show();
  inspector_->raise();
  inspector_->Refresh();
}

}  // namespace lumora
