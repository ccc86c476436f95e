#pragma once
// The paint pot: the area of one colour around a pixel painted with a brush.

#include <QBrush>
#include <QImage>
#include <QPoint>

namespace tessella::drawing {

// Paints the 4-connected area of seed's colour that contains seed with brush. A hatched brush
// paints only its hatch lines (the pattern anchored at the picture's top-left corner, the
// pixels between keep their colour); no brush paints nothing. A seed outside the picture
// changes nothing, and so does a solid fill in the area's own colour.
// On a picture with alpha the area is found on the colours alone and the painted texels become
// opaque; the others keep their alpha.
void FloodFill(QImage& picture, QPoint seed, const QBrush& brush);

}  // namespace tessella::drawing
