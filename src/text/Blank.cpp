#include "text/Blank.h"

namespace text {

QString trimBlanks(const QString& s) {
  qsizetype first = 0;
  qsizetype last = s.size();
  while (first < last && s.at(first) == u' ') ++first;
  while (last > first && s.at(last - 1) == u' ') --last;
  return s.mid(first, last - first);
}

}  // namespace text
