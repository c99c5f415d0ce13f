// Applying a zoom change to the window's model.
#include "input/window_zoom.h"

#include "form/form1.h"

namespace lumora {

bool ZoomWindow(TForm1& f, int wanted, const ScreenArea& area) {
  const int zoom = FittingZoom(wanted, area, f.Abok0.width, f.Abok0.height);
  if (zoom == f.zoom) return false;
  f.zoom = zoom;
  const WindowPlace at =
      OntoArea({f.windowLeft, f.windowTop}, f.Abok0.width * zoom, f.Abok0.height * zoom, area);
  f.windowLeft = at.left;
  f.windowTop = at.top;
  return true;
}

}  // namespace lumora
