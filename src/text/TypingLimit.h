// The typing limit of a one-line box, counted in code-page-936 bytes like every length
// of a text box: a Chinese character counts 2, any other character 1.
#pragma once

#include <QString>

namespace text {

struct LimitedEdit {
  QString text;
  int caret = 0;  // behind what the edit kept of its insertion
};

// What an edit of a box may keep, given the box's text before it and after it. Only what
// the edit inserts is held back: the inserted text is cut, by whole characters, to what
// still fits in `longestBytes`. An edit that does not lengthen the text passes as it is,
// so a longer text that the program put into the box is never cut and can still be
// shortened or overtyped.
LimitedEdit limitTypedEdit(const QString& before, const QString& after, int longestBytes);

}  // namespace text
