// The map page "Mapa": opening and closing it, bringing it to the scroll and
// marker positions, scrolling it.
#pragma once

namespace lumora {

struct TForm1;

// A clickable area's "picFmap": the map page opens, keeping the display's
// height and the input line's visibility for its closing, or closes again.
void MapPageToggle(TForm1& f);

// The display takes the map's height; the scroll box and the marker go to the
// positions "posmap=" set.
void MapPageRefresh(TForm1& f);

// "showmap= on": the map page, centred on the player's map point.
void ShowMapOn(TForm1& f);
// "showmap= off": the display model's page, laid out from the configuration.
void ShowMapOff(TForm1& f);

// The scroll box scrolls to (h, v), limited to its range. The marker, a child
// of the scroll box, moves with the map: its visible position shifts by the
// change.
void SetMapScroll(TForm1& f, int h, int v);

// The largest scroll positions: the map's size less the visible part, which
// loses a bar's thickness to each scroll bar shown.
int MapScrollMaxH(const TForm1& f);
int MapScrollMaxV(const TForm1& f);

// MapJog takes its picture's size.
void FitMapToPicture(TForm1& f);

}  // namespace lumora
