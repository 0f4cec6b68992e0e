#include "catalogue/service/CellEditing.h"

#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/CatalogueRow.h"
#include "text/Blank.h"
#include "text/Numbers.h"

namespace catalogue {

QString replacedInColumn(int column, const QString& text) {
  QString s = text;
  switch (column) {
    case kUsualDoseField:
      s.replace(u'*', QChar(0x00D7));
      s.replace(u'。', u'.');
      break;
    case kSellingPriceField:
    case kPurchasePriceField:
    case kStockField:
      s.replace(u'。', u'.');
      break;
    default:
      break;
  }
  return s;
}

QString nameWithBrackets(const QString& name) {
  QString s = name;
  s.replace(u'（', u'[').replace(u'）', u']').replace(u'(', u'[').replace(u')', u']');
  return s;
}

QString newRowCategory(int button) {
  return button == kAllWesternButton ? QStringLiteral("西成药") : buttonCaption(button);
}

PickList pickListFor(int column, int button) {
  const bool western = isWesternButton(button);
  switch (column) {
    case kUnitField:
      return unitChoices(button).isEmpty() ? PickList::None : PickList::Unit;
    case kUsageField:
      return western ? PickList::Usage : PickList::None;
    case kCategoryField:
      return western ? PickList::Category : PickList::None;
    default:
      return PickList::None;
  }
}

QStringList unitChoices(int button) {
  if (button == kHerbalButton) return {"g", "枚", "条", "个", "袋", "对"};
  if (isWesternButton(button)) return {"ml", "mg", "g", "粒", "片", "个", "包", "盒", "支", "瓶", "贴", "丸", "袋"};
  return {};
}

const QStringList& usagePhrases() {
  static const QStringList phrases = {"2粒 每日3次 口服",     "1粒 每日1次 口服", "1粒 每晚1次 口服",
                                      "静脉滴注 每日1次",     "静脉推注 每日1次", "1支 肌肉注射 每日1次",
                                      "雾化吸入 每日1次",     "肛塞 立即",        "滴眼 每日3次",
                                      "外用"};
  return phrases;
}

const QStringList& paletteWords() {
  static const QStringList words = {"mg",      "g",       "",        "ml",      "",        "×",
                                    "粒",      "片",      "盒",      "包",      "丸",      "贴",
                                    "支",      "瓶",      "每日3次", "每日2次", "每日1次", "每晚1次",
                                    "口服",    "静脉滴注", "静脉推注", "肌肉注射"};
  return words;
}

int enterTarget(int column) {
  switch (column) {
    case kNameField: return kUsualDoseField;
    case kUsualDoseField: return kUnitField;
    case kUnitField: return kUsageField;
    case kUsageField: return kInitialsField;
    case kInitialsField: return kCategoryField;
    case kCategoryField: return kPurchasePriceField;
    case kPurchasePriceField: return kSellingPriceField;
    case kSellingPriceField: return kStockField;
    case kStockField: return kDrawerField;
    default: return -1;
  }
}

std::optional<QString> proposedSellingPrice(const QString& purchasePrice, const QString& ratio,
                                            const QString& sellingPrice) {
  const double cost = text::leadingNumber(text::trimBlanks(purchasePrice));
  const double factor = text::leadingNumber(text::trimBlanks(ratio));
  const double price = text::leadingNumber(text::trimBlanks(sellingPrice));
  if (cost == 0 || factor == 0 || price != 0) return std::nullopt;
  return text::format000(cost * factor);
}

}  // namespace catalogue
