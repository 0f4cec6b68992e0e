// The row height of a list: rows a fixed number of pixels taller than the list's font
// makes them.
#pragma once

class QAbstractItemView;

namespace ui {

void makeRowsTaller(QAbstractItemView* list, int pixels);

}  // namespace ui
