// The category buttons and the drug search: which rows each button lists, what a typed
// text searches, the sheet layout a button sets, and the edits of the search row's keys.
#pragma once

#include "text/Serials.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace prescription {

struct PrescriptionState;

// The category buttons Command1(0) to Command1(16).
inline constexpr int kCategoryCount = 17;
inline constexpr int kLastDrugCategory = 11;  // 0 to 11: the western sub-categories
inline constexpr int kFeeItems = 12;          // 收费项目
inline constexpr int kUsagePhrases = 13;      // 用法
inline constexpr int kHerbs = 14;             // 中药
inline constexpr int kHerbalFormulas = 15;    // 中药方剂 (templates)
inline constexpr int kPersonalSets = 16;      // 个人组套 (templates)

// Their captions: for 0 to 11 the sub-category after "西成药·" in 商品.分类, for 12 to 14
// the category itself, for 15 and 16 the 个人模板.分类 of the templates.
inline const std::array<QString, kCategoryCount> kCategoryCaptions = {
    QStringLiteral("抗生素"), QStringLiteral("输液"),     QStringLiteral("心血管"),   QStringLiteral("呼吸"),
    QStringLiteral("消化"),   QStringLiteral("神经"),     QStringLiteral("内分泌"),   QStringLiteral("解热镇痛"),
    QStringLiteral("维生素激素"), QStringLiteral("外用"), QStringLiteral("中成药"),   QStringLiteral("其他"),
    QStringLiteral("收费项目"), QStringLiteral("用法"),   QStringLiteral("中药"),     QStringLiteral("中药方剂"),
    QStringLiteral("个人组套")};

inline bool isTemplateCategory(int index) { return index == kHerbalFormulas || index == kPersonalSets; }

// The layout a category button sets: herbal for herbs and formulas, ordinary for the
// western sub-categories and the personal sets; nullopt (unchanged) for fee items and
// usage phrases.
std::optional<bool> herbalAfterClick(int index);

// What a click of button `index` does to the prescription: a button of the other layout
// switches the sheet with a new number and an empty prescription (changeSheetMode); the
// herbal summary is blanked on every click.
void applyCategoryClick(PrescriptionState& state, int index, text::SerialSource& serials, const QString& stationCode);

// A listing of the drug list, as data; the store turns it into its statement.
struct CatalogQuery {
  enum class Table { Catalogue, Templates };  // 商品 ordered by name, 个人模板 by 排序
  enum class Match { EndsWith, Equals, NotEquals };

  Table table = Table::Catalogue;
  QString keyContains;  // the search key (查询) holds this text, literally
  Match match = Match::EndsWith;
  QString category;     // compared with 分类 as `match` says

  bool operator==(const CatalogQuery&) const = default;
};

// The listing right after a click of button `index` (0 to 16; the search box is then empty).
CatalogQuery clickQuery(int index);

// The listing for the search text `typed` (apostrophes already removed) in the current
// category: a typed text in a drug, fee or usage category searches every row that is not
// a herb; only a blank box lists the chosen category alone.
CatalogQuery searchQuery(int currentCategory, const QString& typed);

// The search text without apostrophes: the search removes every "'" as it is typed.
QString withoutApostrophes(const QString& typed);

// The search row's keys. "←" removes the last character (a Chinese character, or a pair
// of surrogates, as one); the stroke key `stroke` (0 to 4: "一" "丨" "丿" "丶" "ㄑ") appends
// its stroke digit 1 to 5.
QString dropLastCharacter(const QString& typed);
QString appendStroke(const QString& typed, int stroke);

// The hint of the "?" button: its title and its three lines.
inline const QString kStrokeHintTitle = QStringLiteral("笔画查询提示");
inline const QStringList kStrokeHintLines = {
    QStringLiteral("1、输入药名中每个字的首笔笔画查询，如“诺氟沙星片”输入“丶丿丶丨丿”。"),
    QStringLiteral("2、短药名如中药仅输入首笔笔画有时会查不到，最后一字可多输几笔笔画。"),
    QStringLiteral("     如：“党参”可输入“丨ㄑ丶一”，后三笔为“参”字的头三笔笔画。")};

}  // namespace prescription
