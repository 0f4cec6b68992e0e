#include "text/Columns.h"

#include "text/Gbk.h"

namespace text {

QString PadRight13(const QString& s) {
  constexpr int kCellWidth = 13;
  const int width = displayWidth(s);
  return s + QString(width > kCellWidth - 1 ? 1 : kCellWidth - width, u' ');
}

}  // namespace text
