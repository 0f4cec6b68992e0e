// Multi-line texts are kept and stored with CR LF between lines; the boxes hold "\n".
// These turn a text and a caret position from one form into the other.
#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>

namespace ui {

inline QString toBoxText(const QString& crlf) {
  QString text = crlf;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

inline QString fromBoxText(const QString& box) {
  QString text = box;
  text.replace(u'\n', QStringLiteral("\r\n"));
  return text;
}

// A position in the CR LF text as a position in the box's text: every CR LF before it
// is one character in the box.
inline int toBoxPosition(const QString& crlf, int position) {
  position = std::clamp(position, 0, static_cast<int>(crlf.size()));
  return position - static_cast<int>(QStringView(crlf).left(position).count(QStringLiteral("\r\n")));
}

// A position in the box's text as a position in the CR LF text.
inline int fromBoxPosition(const QString& box, int position) {
  position = std::clamp(position, 0, static_cast<int>(box.size()));
  return position + static_cast<int>(QStringView(box).left(position).count(u'\n'));
}

}  // namespace ui
