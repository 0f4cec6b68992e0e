#include "prescription/service/CatalogSearch.h"

#include "prescription/service/PrescriptionState.h"
#include "text/Blank.h"

namespace prescription {

std::optional<bool> herbalAfterClick(int index) {
  if (index == kHerbs || index == kHerbalFormulas) return true;
  if ((index >= 0 && index <= kLastDrugCategory) || index == kPersonalSets) return false;
  return std::nullopt;
}

void applyCategoryClick(PrescriptionState& state, int index, text::SerialSource& serials, const QString& stationCode) {
  if (const std::optional<bool> herbal = herbalAfterClick(index)) changeSheetMode(state, *herbal, serials, stationCode);
  state.herbalSummary.clear();
}

CatalogQuery clickQuery(int index) {
  if (isTemplateCategory(index))
    return {CatalogQuery::Table::Templates, QString(), CatalogQuery::Match::Equals, kCategoryCaptions[index]};
  return {CatalogQuery::Table::Catalogue, QString(), CatalogQuery::Match::EndsWith, kCategoryCaptions[index]};
}

CatalogQuery searchQuery(int currentCategory, const QString& typed) {
  using Match = CatalogQuery::Match;
  if (isTemplateCategory(currentCategory))
    return {CatalogQuery::Table::Templates, typed, Match::Equals, kCategoryCaptions[currentCategory]};
  if (currentCategory == kHerbs) return {CatalogQuery::Table::Catalogue, typed, Match::Equals, kCategoryCaptions[kHerbs]};
  if (!text::trimBlanks(typed).isEmpty())
    return {CatalogQuery::Table::Catalogue, typed, Match::NotEquals, kCategoryCaptions[kHerbs]};
  return {CatalogQuery::Table::Catalogue, typed, Match::EndsWith, kCategoryCaptions[currentCategory]};
}

QString withoutApostrophes(const QString& typed) {
  QString s = typed;
  s.remove(u'\'');
  return s;
}

QString dropLastCharacter(const QString& typed) {
  if (typed.isEmpty()) return typed;
  qsizetype cut = typed.size() - 1;
  if (cut > 0 && typed.at(cut).isLowSurrogate() && typed.at(cut - 1).isHighSurrogate()) --cut;
  return typed.left(cut);
}

QString appendStroke(const QString& typed, int stroke) {
  if (stroke < 0 || stroke > 4) return typed;
  return typed + QChar(u'1' + stroke);
}

}  // namespace prescription
