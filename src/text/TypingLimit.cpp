#include "text/TypingLimit.h"

#include "text/Gbk.h"

#include <algorithm>

namespace text {

LimitedEdit limitTypedEdit(const QString& before, const QString& after, int longestBytes) {
  // The edit replaced before[p, before.size() - s) by after[p, after.size() - s).
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype p = 0;
  while (p < shorter && before[p] == after[p]) ++p;
  if (p > 0 && after[p - 1].isHighSurrogate()) --p;
  qsizetype s = 0;
  while (s < shorter - p && before[before.size() - 1 - s] == after[after.size() - 1 - s]) ++s;
  if (s > 0 && after[after.size() - s].isLowSurrogate()) --s;

  const QString inserted = after.mid(p, after.size() - p - s);
  const int width = displayWidth(after);
  if (width <= longestBytes || width <= displayWidth(before)) return {after, int(p + inserted.size())};

  int room = longestBytes - displayWidth(after.left(p)) - displayWidth(after.right(s));
  qsizetype kept = 0;
  while (kept < inserted.size()) {
    const qsizetype step = inserted[kept].isHighSurrogate() && kept + 1 < inserted.size() ? 2 : 1;
    const int w = displayWidth(inserted.mid(kept, step));
    if (w > room) break;
    room -= w;
    kept += step;
  }
  return {after.left(p) + inserted.left(kept) + after.right(s), int(p + kept)};
}

}  // namespace text
