#include "prescription/service/CatalogItems.h"

#include "text/Blank.h"
#include "text/BraceEscapedName.h"

namespace prescription {
namespace {

// A column without a value is not blank, and adds nothing where it is joined.
bool isBlank(const std::optional<QString>& value) { return value && text::trimBlanks(*value).isEmpty(); }
QString joined(const std::optional<QString>& value) { return value.value_or(QString()); }

// The unit is in the dose when it equals the dose's last character (blanks aside); an
// empty unit equals the last character of an empty dose. Without a value, never.
bool unitInDose(const CatalogRow& row) {
  if (!row.dose || !row.unit) return false;
  return *row.unit == text::trimBlanks(*row.dose).right(1);
}

QString listText(const CatalogRow& row) {
  const QString name = text::BracketedName(*row.name);
  if (isBlank(row.usage) && isBlank(row.dose)) return name;
  QString item = name + u' ' + joined(row.dose);
  if (!unitInDose(row)) item += joined(row.unit);
  return item;
}

}  // namespace

std::optional<QString> CatalogListItem(const CatalogRow& row) {
  if (!row.name) return std::nullopt;
  return listText(row);
}

std::optional<QString> CatalogUsageItem(const CatalogRow& row) {
  if (!row.name) return std::nullopt;
  if (isBlank(row.usage)) return listText(row);
  return listText(row) + u'\\' + joined(row.usage);
}

std::optional<CatalogEntry> catalogEntry(const CatalogRow& row) {
  if (!row.name) return std::nullopt;
  return CatalogEntry{*CatalogListItem(row), *CatalogUsageItem(row)};
}

std::optional<TemplateEntry> templateEntry(const QString& key, const std::optional<QString>& title) {
  if (!title) return std::nullopt;
  return TemplateEntry{key, *title};
}

}  // namespace prescription
