// The state of the form as one JSON object, for the walkthrough's steps.
#pragma once
#include <QJsonArray>
#include <QJsonObject>

namespace lumora {

struct TForm1;

QJsonObject StateJson(const TForm1& f, bool exited);
// The game's save slots, newest first: id, name, place, time, automatic, picture.
QJsonArray SlotsJson(TForm1& f);

}  // namespace lumora
