// The prescription window's controls as data: positions in twips on their containers,
// captions, and what each box may take. The window builds itself from these tables.
#pragma once

#include "ui/PictureToolbar.h"

#include <QColor>
#include <QString>

#include <array>

namespace prescription::layout {

// The window's client area.
inline constexpr double kClientWidth = 15015;
inline constexpr double kClientHeight = 9510;

inline const QColor kBlue(0, 0, 255);
inline const QColor kSeparatorGrey(192, 192, 192);
inline const QColor kSymptomCyan(192, 255, 255);
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

// The injection-route labels Label50(0..5) on their strip: lefts, at top 60.
inline constexpr std::array<double, 6> kRouteLabelLefts = {60, 960, 1860, 3300, 4020, 2760};

}  // namespace prescription::layout
