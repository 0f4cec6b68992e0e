#include "prescription/service/Composition.h"

#include "text/Blank.h"
#include "text/Columns.h"

#include <algorithm>

namespace prescription {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kBlankLine = QStringLiteral("\r\n\r\n");

bool isUsagePhrase(const QString& item) {
  return item.contains(QStringLiteral("用法")) || item.contains(QStringLiteral("sig"), Qt::CaseInsensitive);
}

ComposedText atEnd(QString text) {
  const int caret = static_cast<int>(text.size());
  return {std::move(text), caret};
}

// A fee line below the herbs: one blank line between it and what stands above.
QString feeLineBelowHerbs(const QString& text, const QString& item) {
  QString joined = text::trimBlanks(text) + kBlankLine + item;
  joined.replace(QStringLiteral("\r\n\r\n\r\n"), kBlankLine);
  return joined + kLineBreak;
}

}  // namespace

ComposedText pickCatalogRow(const QString& text, const QString& item, const QString& usageItem, bool herbal) {
  if (usageItem.contains(u'\\')) {
    if (herbal) return atEnd(text);
    QString withUsage = usageItem;
    withUsage.replace(u'\\', kLineBreak + kUsageMark);
    return atEnd(text + withUsage + kBlankLine);
  }
  if (isUsagePhrase(item)) {
    if (herbal) return atEnd(text);
    return atEnd(text + QStringLiteral("    ") + item + kBlankLine);
  }
  if (herbal) return atEnd(feeLineBelowHerbs(text, item));
  return atEnd(text + item + kLineBreak);
}

QString herbName(const QString& item) {
  QString name = withoutNumbers(item);
  for (QChar unit : kHerbUnits) name.remove(unit);
  return text::trimBlanks(name);
}

HerbPick pickHerb(const QString& text, int selectionStart, int selectionEnd, const QString& item, bool herbal) {
  HerbPick pick;
  const QString name = herbName(item);
  // A row that is all quantity has no name to look for.
  if (!name.isEmpty() && text.contains(name)) {
    pick.duplicate = true;
    pick.result = {text, selectionEnd};
    return pick;
  }
  if (!herbal) {
    pick.result = atEnd(text + item + kLineBreak);
    return pick;
  }
  const int size = static_cast<int>(text.size());
  const int from = std::clamp(std::min(selectionStart, selectionEnd), 0, size);
  const int to = std::clamp(std::max(selectionStart, selectionEnd), 0, size);
  const QString cell = text::PadRight13(item).replace(QStringLiteral("] "), QStringLiteral("]"));
  pick.layout = herbalLayout(text.left(from) + cell + text.mid(to));
  pick.result = {pick.layout->text, pick.layout->caret};
  return pick;
}

ComposedText pickFormula(const QString& text, const QString& content) { return atEnd(text + content); }

ComposedText pickPersonalSet(const QString& text, const QString& content) {
  const bool lastLineEmpty = text.isEmpty() || text.endsWith(kLineBreak);
  return atEnd(text + (lastLineEmpty ? QString() : kLineBreak) + content + kBlankLine);
}

QString appendRouteLine(const QString& text, int route) {
  if (route < 0 || route >= static_cast<int>(kRouteCaptions.size())) return text;
  return text + kUsageMark + kRouteCaptions[route] + QStringLiteral("  每日1次") + kBlankLine;
}

}  // namespace prescription
