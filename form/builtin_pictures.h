// The pictures built into the player: opening screen, skin, the map marker.
#pragma once
#include <QImage>

namespace lumora {

QImage BuiltinOpening();
QImage BuiltinSkin();
QImage BuiltinMarker();

}  // namespace lumora
