#include "catalogue/service/CatalogueCategories.h"

#include "prescription/service/CatalogSearch.h"

namespace catalogue {

const QString kWesternPrefix = QStringLiteral("西成药·");

const QStringList& westernSubcategories() {
  // The captions of the prescription window's western buttons, copied from there so that
  // both windows always file a drug under the same sub-category.
  static const QStringList captions = [] {
    QStringList list;
    for (int i = 0; i <= prescription::kLastDrugCategory; ++i) list.append(prescription::kCategoryCaptions[i]);
    return list;
  }();
  return captions;
}

QString buttonCaption(int button) {
  if (button >= 0 && button < westernSubcategories().size()) return westernSubcategories()[button];
  switch (button) {
    case kFeeButton:
      return QStringLiteral("收费项目");
    case kUsageButton:
      return QStringLiteral("用法");
    case kHerbalButton:
      return QStringLiteral("中药");
    case kAllWesternButton:
      return QStringLiteral("全部西药");
    default:
      return {};
  }
}

bool isWesternButton(int button) {
  return (button >= 0 && button < westernSubcategories().size()) || button == kAllWesternButton;
}

QString categoryPrefix(int button) {
  if (button == kAllWesternButton) return QStringLiteral("西成药");
  if (isWesternButton(button)) return kWesternPrefix + buttonCaption(button);
  return buttonCaption(button);
}

QString shownCategory(const QString& storedCategory) {
  QString shown = storedCategory;
  return shown.remove(kWesternPrefix);
}

QString storedCategory(const QString& cell, int button) {
  return isWesternButton(button) ? kWesternPrefix + cell : cell;
}

}  // namespace catalogue
