#include "text/AsciiCase.h"

namespace text {

QString asciiCaseKey(const QString& name) {
  QString key = name;
  for (QChar& c : key)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
  return key;
}

}  // namespace text
