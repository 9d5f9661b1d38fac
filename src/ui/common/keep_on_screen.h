#pragma once

class QWidget;

namespace kalvintera {

// Moves a shown window that has grown past the edge of its screen back onto it (at most to
// the screen's top left corner, should it be larger than the screen). A window that fits
// stays where it is.
void KeepOnScreen(QWidget* window);

} // namespace kalvintera
