#include "prescription/service/InfusionCardText.h"

#include "text/Blank.h"

#include <QStringList>

namespace prescription {
namespace {

bool isUsageLine(const QString& line) {
  return line.contains(QStringLiteral("用法")) || line.contains(QStringLiteral("sig"), Qt::CaseInsensitive);
}

bool namesRoute(const QString& line) {
  for (const QString& keyword : kInfusionRouteKeywords)
    if (line.contains(keyword, Qt::CaseInsensitive)) return true;
  return false;
}

}  // namespace

QString infusionCardOf(const QString& prescriptionText) {
  QString card;
  if (prescriptionText.isEmpty()) return card;
  QStringList group;
  for (const QString& line : prescriptionText.split(QStringLiteral("\r\n"))) {
    if (!text::trimBlanks(line).isEmpty()) group.append(line);
    if (!isUsageLine(line)) continue;
    if (namesRoute(line))
      for (const QString& kept : group) card += kept + QStringLiteral("\r\n");
    group.clear();
  }
  return card;
}

}  // namespace prescription
