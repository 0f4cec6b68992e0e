// The prescription window's controls as data: positions in twips on their containers,
// captions, and what each box may take. The window builds itself from these tables.
#pragma once

#include "prescription/service/PricedGrid.h"
#include "ui/PictureToolbar.h"

#include <QColor>
#include <QString>

#include <array>

namespace prescription::layout {

// The window's client area.
inline constexpr double kClientWidth = 15015;
inline constexpr double kClientHeight = 9510;

inline const QColor kBlue(0, 0, 255);
inline const QColor kDarkBlue(0, 0, 192);
inline const QColor kRuleGrey(224, 224, 224);
inline const QColor kSeparatorGrey(192, 192, 192);
inline const QColor kOddRow(249, 248, 245);
inline const QColor kSearchYellow(255, 255, 192);
inline const QColor kSymptomCyan(192, 255, 255);
inline const QColor kTotalsStrip(192, 192, 255);
inline const QColor kSymptomBar(128, 128, 255);

// The toolbar's picture buttons: index, caption, left and width on the toolbar frame, and
// the icon.
inline constexpr std::array<ui::PictureButton, 11> kToolButtons = {{
    {0, u"新建", 60, 1035, QStyle::SP_FileIcon},
    {1, u"续开", 1140, 1035, QStyle::SP_FileDialogNewFolder},
    {9, u"复制处方", 2220, 1395, QStyle::SP_FileLinkIcon},
    {2, u"保存", 3780, 1035, QStyle::SP_DialogSaveButton},
    {3, u"打印", 4860, 1035, QStyle::SP_FileDialogDetailedView},
    {4, u"日志", 6060, 1035, QStyle::SP_FileDialogListView},
    {7, u"统计", 7140, 1035, QStyle::SP_FileDialogInfoView},
    {5, u"存为组套", 8220, 1395, QStyle::SP_DirOpenIcon},
    {11, u"套打", 9780, 1035, QStyle::SP_FileDialogContentsView},
    {6, u"门诊病历", 10860, 1395, QStyle::SP_FileDialogStart},
    {8, u"操作帮助", 12300, 1395, QStyle::SP_DialogHelpButton},
}};
inline constexpr double kToolButtonTop = 180;
inline constexpr double kToolButtonHeight = 555;
// The grey separators between the toolbar's groups, from y 180 to 660.
inline constexpr std::array<double, 3> kToolbarSeparators = {3660, 5940, 9660};

// The category buttons Command1(0..16), 300 high: left, top, width on the window.
struct CategoryButton {
  double left;
  double top;
  double width;
};
inline constexpr std::array<CategoryButton, 17> kCategoryButtons = {{
    {60, 840, 795},   {900, 840, 615},   {1560, 840, 795},  {2400, 840, 615},  {3060, 840, 615},
    {60, 1200, 675},  {780, 1200, 795},  {1620, 1200, 915}, {2580, 1200, 1095},
    {60, 1560, 675},  {780, 1560, 795},  {1620, 1560, 795}, {2460, 1560, 1215},
    {60, 1920, 675},  {780, 1920, 735},  {1560, 1920, 1035}, {2640, 1920, 1035},
}};
inline constexpr double kCategoryButtonHeight = 300;

// The stroke keys Command16(0..4) under the search box and the digits they append.
inline constexpr std::array<const char16_t*, 5> kStrokeKeys = {u"一", u"丨", u"丿", u"丶", u"ㄑ"};
inline constexpr std::array<double, 5> kStrokeKeyLefts = {1650, 1980, 2310, 2640, 2970};

// The injection-route labels Label50(0..5) on their strip: lefts, at top 60.
inline constexpr std::array<double, 6> kRouteLabelLefts = {60, 960, 1860, 3300, 4020, 2760};

// The priced grid's columns in stored order (Lb2 .. Lb10): the heading button's index,
// caption, left and width; the cell's left and width; text box or label; alignment.
struct GridColumnLayout {
  int heading;
  const char16_t* caption;
  double headingLeft;
  double headingWidth;
  double cellLeft;
  double cellWidth;
  bool textBox;
  Qt::Alignment alignment;
};
inline const std::array<GridColumnLayout, kGridColumns> kGridColumnsLayout = {{
    {7, u"药物名称", 0, 1755, 60, 1635, false, Qt::AlignLeft | Qt::AlignVCenter},
    {0, u"数量", 1740, 480, 1800, 375, true, Qt::AlignCenter},
    {4, u"单位", 2220, 525, 2280, 375, false, Qt::AlignCenter},
    {1, u"单价", 2700, 720, 2760, 615, true, Qt::AlignRight | Qt::AlignVCenter},
    {2, u"金额", 3420, 735, 3480, 615, true, Qt::AlignRight | Qt::AlignVCenter},
    {5, u"库存", 4140, 615, 4200, 495, false, Qt::AlignCenter},
    {6, u"分类", 5460, 840, 5520, 675, false, Qt::AlignCenter},
    {3, u"斗位", 4980, 480, 5100, 375, false, Qt::AlignCenter},
    {8, u"进价", 6300, 840, 6360, 675, false, Qt::AlignCenter},
}};
inline constexpr int kHiddenHeading = 6;  // "分类"
inline constexpr double kHeadingHeight = 275;
inline constexpr double kRowPitch = 315;
inline constexpr double kBandWidth = 7155;
inline constexpr double kLabelCellHeight = 195;
inline constexpr double kBoxCellHeight = 225;
inline constexpr double kRowsPanelTop = 240;
inline constexpr double kRowsPanelWidth = 7335;
inline constexpr double kRowsPanelHeight = 22000;
inline constexpr double kGridFrameHeight = 3400;
inline constexpr double kTotalsStripHeight = 315;
// The grid's upright rules Line3(0..7): x, and where they end (those behind the scroll
// bar end early).
inline constexpr std::array<std::pair<double, double>, 8> kGridRules = {{
    {1740, 22000}, {2220, 22000}, {2700, 22000}, {3420, 22000},
    {4980, 11580}, {4140, 22000}, {4740, 22000}, {6300, 11580},
}};
// The heading click shows the rows from this far down.
inline constexpr double kHeadingClickTop = -8580;
// The scroll bar's range.
inline constexpr int kScrollMaximum = 10;

}  // namespace prescription::layout
