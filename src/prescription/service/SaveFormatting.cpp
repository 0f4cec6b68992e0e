#include "prescription/service/SaveFormatting.h"

#include "prescription/service/HerbalLayout.h"
#include "text/Blank.h"
#include "text/Numbers.h"

#include <QRegularExpression>

namespace prescription {

QString formattedFee(const QString& fee) {
  const double value = text::typedNumber(fee);  // as typed: "-5" reads 0 and keeps its text
  return value == 0 ? fee : text::format00(value);
}

QString ageWithUnit(const QString& age) {
  const QString trimmed = text::trimBlanks(age);
  if (trimmed.isEmpty()) return age;
  const QChar last = trimmed.back();
  return last >= u'1' && last <= u'9' ? age + u'岁' : age;
}

QString birthYearText(const QString& age, int currentYear) {
  QString years = age;
  years.remove(u'岁').remove(u'Y').remove(u'y');
  static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
  const QString trimmed = text::trimBlanks(years);
  const double value = number.match(trimmed).hasMatch() ? trimmed.toDouble() : 0;
  return text::plainNumber(currentYear - value);
}

QString addressPhrase(const QString& address) { return withoutNumbers(text::trimBlanks(address)); }

QString diagnosisPhrase(const QString& diagnosis) {
  const QString trimmed = text::trimBlanks(diagnosis);
  const qsizetype blank = trimmed.indexOf(u' ');
  return blank < 0 ? trimmed : trimmed.left(blank);
}

}  // namespace prescription
