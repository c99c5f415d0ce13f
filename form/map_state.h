// The map's state: the map window on a surface, where the map page scrolls to
// and where the player's marker stands, the page toggle's saved layout and the
// drag of the map.
#pragma once
#include <set>
#include <string>

namespace lumora {

struct MapState {
  std::string surface;  // "tel", "fnc" or "pan" once "defpicmap=" named one
  int left = 0, top = 0, width = 0, height = 0;  // the map window on that surface
  int originX = 0, originY = 0;                  // the map point at its top-left corner
  int scrollH = 0, scrollV = 0;                  // applied when the map page is opened or refreshed
  int markerLeft = 0, markerTop = 0;             // the marker, in the scroll box's visible coordinates
  // The map point "showmap= on" centres on. "posmap=" sets it to the marker's
  // middle in map coordinates, so both ways of opening the page show the player
  // at the same spot; centring leaves it as it is, so the view never drifts.
  int pointX = 0, pointY = 0;
  bool savedInputVisible = false;  // the page toggle's saved layout
  int savedDisplayHeight = 0;
  int dragX = 0, dragY = 0;  // where the map was grabbed, in MapJog's pixels
  bool dragging = false;
  // The saved maps the map commands named (read, written or removed): a save
  // slot holds each as it is, or its absence.
  std::set<std::string> savedNames;
};

}  // namespace lumora
