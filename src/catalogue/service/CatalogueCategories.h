// The catalogue window's sixteen category buttons and the category texts they stand for.
#pragma once

#include <QString>
#include <QStringList>

namespace catalogue {

// "西成药·" with the middle dot U+00B7: the start of every western category.
extern const QString kWesternPrefix;

// Buttons 0 to 11 are the western sub-categories, in the order of the prescription
// window's first twelve category buttons.
inline constexpr int kFeeButton = 12;         // 收费项目
inline constexpr int kUsageButton = 13;       // 用法
inline constexpr int kHerbalButton = 14;      // 中药
inline constexpr int kAllWesternButton = 15;  // 全部西药: every western row
inline constexpr int kCategoryButtons = 16;

// "抗生素", "输液", ... "其他", as the prescription window's buttons show them.
const QStringList& westernSubcategories();

QString buttonCaption(int button);

// True for the twelve sub-category buttons and 全部西药: their rows are stored with the
// western prefix.
bool isWesternButton(int button);

// The start of 分类 that the button lists: "西成药·抗生素", "西成药" for 全部西药,
// "中药", "用法", "收费项目".
QString categoryPrefix(int button);

// The category cell as the grid shows it: every "西成药·" removed.
QString shownCategory(const QString& storedCategory);

// What a grid's category cell is stored as under the button: the western prefix before
// it under a western button, so that "西成药" typed under 全部西药 becomes "西成药·西成药".
QString storedCategory(const QString& cell, int button);

}  // namespace catalogue
