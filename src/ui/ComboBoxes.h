// Editable list boxes whose typed text is a filter.
#pragma once

class QComboBox;

namespace ui {

// Makes `box` editable and takes what is typed as it stands: the box completes nothing
// from its list ("中" stays "中") and Enter adds nothing to the list.
void takeTextAsTyped(QComboBox* box);

}  // namespace ui
