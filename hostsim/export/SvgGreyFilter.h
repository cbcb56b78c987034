#pragma once

#include <QByteArray>

namespace kestrix::hostsim::exporting {

// Turns an SVG drawing into its grey: every colour in a presentation attribute or style
// property (fills, strokes, gradient stops) becomes the grey of its luminance, and embedded
// pictures become grey pictures. Working on the SVG keeps vector output vector; a grey
// compositing step after drawing would make PostScript fall back to a picture, since
// PostScript has no blend modes.
class SvgGreyFilter {
public:
    // The grey drawing; the input unchanged when it is not well-formed XML.
    static QByteArray apply(const QByteArray& svg);
};

} // namespace kestrix::hostsim::exporting
