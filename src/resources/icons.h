#pragma once
// Our own artwork, drawn in code: the application icon (128), the list
// images (138, 139, 140) and the toolbar strips (132 normal, 133 hot).

#include <QIcon>
#include <QPixmap>

// Icon 128 at the usual sizes: a blue and green globe behind a magnifying glass.
QIcon ApplicationIcon();
QPixmap ApplicationIconPixmap(int size);

// 16 x 16 list images: 138 and 139 the small globe with a light disc, 140
// three computers joined by lines.
QPixmap ListImage(int resourceId);

// Bitmap 132 or 133: six 24 x 24 pictures side by side on magenta, the
// colour that stands for "transparent".
QImage ToolbarStrip(int resourceId);
// A strip's picture for button i, magenta made transparent.
QPixmap ToolbarImage(const QImage& strip, int index);

inline constexpr QRgb kTransparentKey = qRgb(255, 0, 255);
