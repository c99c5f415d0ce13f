// The walkthrough's view of the form: every state key whose feature exists.
#include "app/json_state.h"

#include <QJsonArray>

#include "core/text1252.h"
#include "form/form1.h"
#include "input/keyboard_focus.h"
#include "shell/save_slots.h"

namespace lumora {
namespace {

QString Q(const std::string& s) { return QString::fromUtf8(Utf8FromCp1252(s)); }

QJsonArray Strings(const StringList& list) {
  QJsonArray out;
  for (const auto& s : list) out.append(Q(s));
  return out;
}

QJsonObject ExitsJson(const Exits& e) {
  return {{"norte", Q(e.norte)},   {"sul", Q(e.sul)},       {"leste", Q(e.leste)}, {"oeste", Q(e.oeste)},
          {"subir", Q(e.subir)},   {"descer", Q(e.descer)}, {"entrar", Q(e.entrar)}, {"sair", Q(e.sair)}};
}

QJsonArray LinksJson(const LinkTable& table) {
  QJsonArray out;
  for (size_t i = 0; i < table.records.size(); ++i) {
    const LinkRecord& r = table.records[i];
    if (!r.active) continue;
    out.append(QJsonObject{{"slot", static_cast<int>(i)},
                           {"left", r.left},
                           {"top", r.top},
                           {"width", r.width},
                           {"height", r.height},
                           {"cursor", r.cursor},
                           {"picture", Q(r.picture)},
                           {"script", Q(r.script)},
                           {"pressed", Q(r.pressed)},
                           {"sound", Q(r.sound)}});
  }
  return out;
}

// The audio requests since the last step, file names as the script gave them.
QJsonArray AudioJson(const AudioLog& log) {
  static const char* const kModes[] = {"async", "sync", "stop"};
  QJsonArray out;
  for (const AudioEvent& e : log.events) {
    switch (e.kind) {
      case AudioEvent::Kind::Music: out.append(QJsonObject{{"music", Q(e.name)}}); break;
      case AudioEvent::Kind::Volume: out.append(QJsonObject{{"volume", e.level}}); break;
      case AudioEvent::Kind::Sound:
        out.append(QJsonObject{{"sound", Q(e.name)}, {"mode", kModes[static_cast<int>(e.mode)]}});
        break;
    }
  }
  return out;
}

}  // namespace

QJsonArray SlotsJson(TForm1& f) {
  QJsonArray out;
  for (const SlotInfo& s : ListSlots(f))
    out.append(QJsonObject{{"id", QString::fromStdString(s.id)},
                           {"name", Q(s.name)},
                           {"place", Q(s.place)},
                           {"time", static_cast<qint64>(s.time)},
                           {"automatic", s.automatic},
                           {"picture", !s.picture.empty()}});
  return out;
}

QJsonObject StateJson(const TForm1& f, bool exited) {
  QJsonObject s;
  s["model"] = Q(f.Modelo);
  s["page"] = Q(f.Abok1.ActivePage());
  s["screen"] = f.Abok0.pageIndex;
  s["script"] = Q(f.Script);
  s["posic"] = Q(f.Posic);
  s["iniscp"] = Q(f.IniScp);
  s["retscp"] = Q(f.RetScp);
  s["objeto"] = Q(f.Objeto);
  s["prm"] = Q(f.params.prm);
  s["prx"] = Q(f.params.prx);
  s["pry"] = Q(f.params.pry);
  s["registers"] = Strings(f.state.registers);
  s["objs"] = Strings(f.state.objs);
  s["objects"] = Strings(f.state.objectTable);
  s["exits"] = ExitsJson(f.exits);
  s["msg"] = Q(f.Msg.text);
  s["msgVisible"] = f.Msg.visible;
  s["memo0"] = Q(f.MsgMd0.text);
  s["input"] = Q(f.Input.text);
  s["inputVisible"] = f.Input.visible;
  s["memo3"] = Q(f.Memo3.text);
  s["textPos"] = QJsonArray{f.textX, f.textY};
  s["html"] = f.page.written ? QJsonValue(Q(JoinLines(f.page.lastWritten))) : QJsonValue();
  s["links"] = LinksJson(f.links);
  s["pictureScript"] = Q(f.pictureClickScript);
  s["vocabulary"] = Q(f.vocabulary);
  s["lastCommand"] = Q(f.lastCommand);
  s["rain"] = f.Chuva.enabled;
  s["audio"] = AudioJson(f.audio);
  s["hud"] = QJsonObject{{"shown", f.Hud.tag == 1}, {"x", f.hudX}, {"y", f.hudY}};
  s["config"] = Strings(f.config);
  s["window"] = QJsonObject{{"left", f.windowLeft}, {"top", f.windowTop}, {"width", f.Abok0.width},
                            {"height", f.Abok0.height}};
  // The map page's scroll position and the marker in the scroll box's visible pixels.
  s["map"] = QJsonObject{{"scroll", QJsonArray{f.Sbc1.scrollX, f.Sbc1.scrollY}},
                         {"marker", QJsonArray{f.Voce.left, f.Voce.top}}};
  s["canvasScroll"] = f.Sbox2.scrollY;  // the model-3 page's vertical scroll position
  s["zoom"] = f.zoom;  // screen pixels a design pixel takes
  s["keyFocus"] = KeyFocusedArea(f);  // the area in the keyboard's focus ring, -1 for none
  s["exited"] = exited;
  return s;
}

}  // namespace lumora
