#pragma once
// The arithmetic of zones and pastes in the element editor. Zones are kept in element pixels;
// the view shows each element pixel zoom x zoom times, so view points are divided by the zoom
// (rounding down) and zones multiplied by it.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessella::editor {

// The rubber band between two view points: from the smaller coordinates, |dx| x |dy|.
QRect BandRect(QPoint from, QPoint to);

// The element pixels under a view rectangle: its corners divided by the zoom, clipped to an
// element of the given size. Empty when the band is narrower than one element pixel.
QRect ElementRectOf(const QRect& view, int zoom, QSize element);

// A zone of zone's size centred on element pixel centre (its left is centre.x - width div 2),
// pulled back inside the element; a zone larger than the element is clipped to it.
QRect PlaceZone(QPoint centre, QSize zone, QSize element);

// Where a zone of element pixels stands in the view at zoom.
QRect ZoneInView(const QRect& zone, int zoom);

// The four one-pixel edges that frame a view rectangle: top, bottom, left, right. The bottom
// and right ones lie just outside it, so the frame covers none of the zone's pixels.
struct ZoneFrame {
    QRect top, bottom, left, right;
};
ZoneFrame FrameAround(const QRect& view);

// The element pixel under the top-left corner of a floating picture at view point topLeft.
QPoint DropPosition(QPoint topLeft, int zoom);

// The clipboard's picture as an element: 24 bits, or non-premultiplied ARGB32 for a picture
// with an alpha channel, whose alpha it brings along.
QImage PastedPicture(const QImage& clipboardPicture);

}  // namespace tessella::editor
