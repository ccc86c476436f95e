#pragma once
// The pictures the element editor makes itself: a new blank element, the crop or extension of
// "Propriétés de l'image", a clipboard picture laid into the element and the rulers' pictures.

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "platform/ColourValue.h"

namespace tessella::editor {

// A width x height 24-bit picture of colour; throws TessellaError naming what when a side is
// out of the image limits, or when memory runs out.
QImage BlankElement(int width, int height, platform::ColourValue colour, const QString& what);

// picture cut down or extended to size from its top-left corner, never scaled; what is added
// is opaque white. A picture with alpha keeps it (non-premultiplied ARGB32).
QImage CropOrExtend(const QImage& picture, QSize size, const QString& what);

// picture with pasted laid over it, pasted's top-left corner on element pixel at; what lies
// past the edges is left out. Where either has alpha, the pasted texels replace the element's,
// alpha included, in a non-premultiplied ARGB32 picture.
QImage PasteInto(const QImage& picture, const QImage& pasted, QPoint at);

// A white picture of size (at least 1 x 1) with the ticks drawn one pixel wide in black.
QImage RulerPicture(QSize size, const std::vector<QLine>& ticks);

}  // namespace tessella::editor
