// Typed text matched literally by LIKE: "%", "_" and "\" stand for themselves.
#pragma once

#include <QString>

namespace store {

// `text` with "\" before every "%", "_" and "\", for a LIKE ... ESCAPE '\'.
inline QString escapedForLike(const QString& text) {
  QString escaped;
  escaped.reserve(text.size() + 4);
  for (const QChar c : text) {
    if (c == u'%' || c == u'_' || c == u'\\') escaped += u'\\';
    escaped += c;
  }
  return escaped;
}

// A LIKE pattern that matches `text` anywhere, with "\" as the escape character.
inline QString containsPattern(const QString& text) { return u'%' + escapedForLike(text) + u'%'; }

}  // namespace store
