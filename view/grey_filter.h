// The grey and tint filter ("cinza="): a rectangle of a surface turned grey,
// brightened, or held to a colour.
#pragma once
#include <QImage>
#include <cstdint>

#include "command/handler.h"

namespace lumora {

void CmdCinza(TForm3& t);  // "cinza="

// Grey: round(0.3 r + 0.59 g + 0.11 b), halves to the even neighbour, plus
// the brightness, limited to 0..255.
int GreyLevel(int red, int green, int blue, int brightness);

// The filter on the rectangle (x, y, width, height) of img; a width or height
// of 0 is the image's whole width or height. Colour 0 turns the pixels grey
// and adds the brightness; a colour above 0 (0xRRGGBB) lowers each channel to
// at most the colour's and, with a brightness above 0, raises it to at least
// the colour's less the brightness. What lies outside the image is left out.
void GreyFilter(QImage& img, int32_t colour, int x, int y, int width, int height, int brightness);

}  // namespace lumora
