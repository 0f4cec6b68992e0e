#include "printing/service/OverlayTemplate.h"

#include "store/DataFile.h"
#include "text/Numbers.h"

#include <cmath>

namespace printing {
namespace {

QString normalisedNumber(const QString& typed) { return text::plainNumber(text::leadingNumber(typed)); }

}  // namespace

const std::array<QString, kOverlayItemCount> kOverlayCaptions = {
    QStringLiteral("姓名"),   QStringLiteral("性别"),     QStringLiteral("年龄"),         QStringLiteral("科别"),
    QStringLiteral("住址|电话"), QStringLiteral("日期"),  QStringLiteral("诊断"),         QStringLiteral("医师"),
    QStringLiteral("配药"),   QStringLiteral("药费"),     QStringLiteral("复核"),         QStringLiteral("联系电话"),
    QStringLiteral("病历号"), QStringLiteral("过敏史"),   QStringLiteral("费别"),         QStringLiteral("其他收费"),
    QStringLiteral("合计"),   QStringLiteral("中药剂数用法"), QStringLiteral("处方正文"), QStringLiteral("年"),
    QStringLiteral("月"),     QStringLiteral("日"),       QStringLiteral("女(打钩)"),     QStringLiteral("男(打钩)"),
};

const std::array<int, kOverlayItemCount> kOverlayRowOrder = {0, 1,  2,  23, 22, 5, 19, 20, 21, 4,  6,  11,
                                                             14, 12, 3, 13, 7,  8, 10, 9,  15, 16, 17, 18};

QPointF OverlayItemBoxes::position() const {
  return QPointF(text::leadingNumber(x) * kOverlayUnit, text::leadingNumber(y) * kOverlayUnit);
}

OverlayTemplate overlayTemplateFromRows(const std::vector<store::OverlayTemplateRow>& rows) {
  OverlayTemplate overlay;
  for (std::size_t i = 0; i < rows.size() && i < overlay.size(); ++i) {
    const store::OverlayTemplateRow& row = rows[i];
    OverlayItemBoxes& item = overlay[i];
    if (row.printed) item.ticked = std::nearbyint(text::leadingNumber(*row.printed)) == 1;
    if (row.x) item.x = normalisedNumber(*row.x);
    if (row.y) item.y = normalisedNumber(*row.y);
  }
  return overlay;
}

std::vector<store::OverlayTemplateRow> overlayRowsFromTemplate(const OverlayTemplate& overlay) {
  std::vector<store::OverlayTemplateRow> rows;
  rows.reserve(overlay.size());
  for (const OverlayItemBoxes& item : overlay)
    rows.push_back({item.ticked ? QStringLiteral("1") : QStringLiteral("0"), normalisedNumber(item.x),
                    normalisedNumber(item.y)});
  return rows;
}

OverlayRead readOverlayTemplate(const QString& inventoryDbPath) {
  try {
    return {overlayTemplateFromRows(store::readOverlayTemplateRows(inventoryDbPath, kOverlayItemCount)), {}};
  } catch (const std::exception& e) {
    return {std::nullopt, store::failureReason(e)};
  }
}

QString saveOverlayTemplate(const QString& inventoryDbPath, const OverlayTemplate& overlay) {
  try {
    store::replaceOverlayTemplateRows(inventoryDbPath, overlayRowsFromTemplate(overlay));
    return {};
  } catch (const std::exception& e) {
    return store::failureReason(e);
  }
}

}  // namespace printing
