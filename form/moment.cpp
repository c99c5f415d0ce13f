// What undo keeps of the model: every part a run can change, copied whole.
// Pictures are shared until one side changes them, so a step costs about the
// texts and lists it holds plus the pictures the run after it redrew.
#include "form/moment.h"

#include <set>
#include <type_traits>

#include "form/form1.h"

namespace lumora {

// Each part once: the moment's fields, its copy in and its copy out all come
// from this list. Not in it: names and folders, the window's place, zoom and
// focus, the script running, the writer, the rain (its timer runs on the
// window) and what only the front end or the automation reads.
#define LUMORA_MOMENT_PARTS(X)                                                                                   \
  X(config) X(Modelo) X(Script) X(IniScp) X(RetScp) X(Objeto) X(Posic) X(vocabulary) X(lastCommand)            \
  X(typingDelay) X(hudX) X(hudY) X(grid) X(textX) X(textY) X(message) X(params) X(state) X(random) X(exits)    \
  X(links) X(pictureClickScript) X(page) X(map) X(screenBuffer) X(panelBuffer) X(screenFont) X(panelFont)      \
  X(canvas3Font) X(screenBrush) X(panelBrush) X(canvas3Brush) X(shaped) X(shape) X(Abok0) X(Abok1) X(Abok2)    \
  X(Imp) X(btFim) X(TelCmd) X(lbFim) X(Input) X(PanTel) X(BarraTop) X(Tela) X(Tela3) X(MapJog) X(Voce) X(Msg) \
  X(MsgMd0) X(Sbc1) X(Sbox2) X(Label2) X(TelMod3) X(BufShp) X(GrpTmp) X(Hud) X(BkTel) X(Memo1) X(Memo3)       \
  X(TelAber)

struct Moment {
#define LUMORA_DECLARE(part) std::remove_reference_t<decltype(TForm1::part)> part;
  LUMORA_MOMENT_PARTS(LUMORA_DECLARE)
#undef LUMORA_DECLARE
  WebView WebB;  // all but whether the view was started, which is the window's
};

namespace {

// Pictures are what can make a step large: a map of thousands of pixels a
// side that every turn draws on is a copy of its own in every step. The steps
// kept hold at most this many bytes of pictures, each shared one counted once;
// past it the oldest steps go, the newest always stays.
constexpr qsizetype kPictureBytesKept = qsizetype{256} << 20;

#define LUMORA_MOMENT_PICTURES(X)                                                                                \
  X(screenBuffer) X(panelBuffer) X(Imp.picture) X(btFim.picture) X(TelCmd.picture) X(Tela.picture)            \
  X(Tela3.picture) X(MapJog.picture) X(Voce.picture) X(TelMod3.picture) X(BufShp.picture) X(GrpTmp.picture)    \
  X(Hud.picture) X(BkTel.picture) X(TelAber.picture)

qsizetype PictureBytes(const UndoHistory& u) {
  std::set<qint64> counted;
  qsizetype bytes = 0;
  auto count = [&](const QImage& picture) {
    if (!picture.isNull() && counted.insert(picture.cacheKey()).second) bytes += picture.sizeInBytes();
  };
  for (const auto* steps : {&u.back, &u.forward}) {
    for (const auto& m : *steps) {
#define LUMORA_COUNT(picture) count(m->picture);
      LUMORA_MOMENT_PICTURES(LUMORA_COUNT)
#undef LUMORA_COUNT
    }
  }
  return bytes;
}

std::unique_ptr<Moment> Take(const TForm1& f) {
  auto m = std::make_unique<Moment>();
#define LUMORA_TAKE(part) m->part = f.part;
  LUMORA_MOMENT_PARTS(LUMORA_TAKE)
#undef LUMORA_TAKE
  m->WebB = f.WebB;
  return m;
}

void Put(TForm1& f, Moment& m) {
#define LUMORA_PUT(part) f.part = std::move(m.part);
  LUMORA_MOMENT_PARTS(LUMORA_PUT)
#undef LUMORA_PUT
  const bool created = f.WebB.created;
  f.WebB = m.WebB;
  f.WebB.created = created;
}

// The newest of `from` in place of the model; the model as it was goes to `to`.
bool Swap(TForm1& f, std::deque<std::unique_ptr<Moment>>& from, std::deque<std::unique_ptr<Moment>>& to) {
  if (from.empty()) return false;
  to.push_back(Take(f));
  Put(f, *from.back());
  from.pop_back();
  return true;
}

}  // namespace

UndoHistory::UndoHistory() = default;
UndoHistory::~UndoHistory() = default;

void RememberMoment(TForm1& f) {
  UndoHistory& u = f.undo;
  if (!u.recording || u.actionsTaken > 0) return;
  u.back.push_back(Take(f));
  u.forward.clear();
  while (u.back.size() > kUndoSteps || (u.back.size() > 1 && PictureBytes(u) > kPictureBytesKept)) u.back.pop_front();
}

ActionMoment::ActionMoment(TForm1& f) : f_(f) {
  RememberMoment(f);
  ++f.undo.actionsTaken;
}

ActionMoment::~ActionMoment() { --f_.undo.actionsTaken; }

void ForgetMoments(TForm1& f) {
  f.undo.back.clear();
  f.undo.forward.clear();
}

bool TakeMomentBack(TForm1& f) { return Swap(f, f.undo.back, f.undo.forward); }
bool TakeMomentForward(TForm1& f) { return Swap(f, f.undo.forward, f.undo.back); }

}  // namespace lumora
