// Toolbar icons, drawn in code so they look the same on every machine: line
// art on a 24 x 24 grid with a little colour, each with a 2x pixmap for
// high-DPI screens.
#pragma once

#include <QIcon>
#include <QStringView>
#include <cstdint>

namespace zefrin {

// The icon of the toolbar button with this key (its object name); a null
// icon for a key without one.
QIcon toolbarIcon(QStringView key);

// The icon of a selection kind in the selection drop-down, 1-based:
// Rectangular, Shape, Freehand, Line, Color selection. Null outside 1..5.
QIcon selectionKindIcon(int16_t kind);

// A stroke as thick as `width` pixels suggests (thicker widths are scaled down
// to fit), marked with a pencil or an eraser.
QIcon lineWidthIcon(int16_t width, bool eraser);

}  // namespace zefrin
