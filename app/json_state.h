// The state of the form as one JSON object, for the walkthrough's steps.
#pragma once
#include <QJsonObject>

namespace lumora {

struct TForm1;

QJsonObject StateJson(const TForm1& f, bool exited);

}  // namespace lumora
