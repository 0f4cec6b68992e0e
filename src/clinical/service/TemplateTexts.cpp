#include "clinical/service/TemplateTexts.h"

#include "text/Blank.h"

namespace clinical {

QString newOrderText(long long rowCount) {
  return (QStringLiteral("000") + QString::number(rowCount + 1)).right(3);
}

QString stripTrailingBreaks(const QString& content) {
  static const QString crlf = QStringLiteral("\r\n");
  QString s = content;
  for (int i = 0; i < 21; ++i) {
    s = text::trimBlanks(s);
    if (s.endsWith(crlf)) s.chop(crlf.size());
  }
  return s;
}

prescription::HerbalLayout FormulaLayout(const QString& content) {
  QString s = content;
  s.replace(QStringLiteral("克"), QStringLiteral("g"));
  s.replace(QStringLiteral("、"), QStringLiteral(" "));
  prescription::HerbalLayout laid = prescription::herbalLayout(s);
  if (laid.entries.isEmpty()) {
    // No unit anywhere: the text stays as typed (with its two replacements).
    laid.text = s;
    laid.caret = 0;
  }
  return laid;
}

QString contentForSave(const QString& content, const QString& kind) {
  const QString stripped = stripTrailingBreaks(content);
  if (kind != kFormulaKind) return stripped;
  return FormulaLayout(stripped).text;
}

}  // namespace clinical
