// The infusion card: the lines of the prescription text that belong to injection and
// infusion orders, rebuilt from the whole text on every change of it.
#pragma once

#include <QString>

#include <array>

namespace prescription {

// The routes that put a group on the card, tested in this order as substrings of the
// usage line without regard to letter case.
inline const std::array<QString, 20> kInfusionRouteKeywords = {
    QStringLiteral("iv/gtt"), QStringLiteral("iv"),     QStringLiteral("ivgtt"),    QStringLiteral("im"),
    QStringLiteral("H"),      QStringLiteral("静注"),   QStringLiteral("静脉滴注"), QStringLiteral("静滴"),
    QStringLiteral("静推"),   QStringLiteral("静脉推注"), QStringLiteral("加滴管"), QStringLiteral("皮试"),
    QStringLiteral("微泵"),   QStringLiteral("iv-vp"),  QStringLiteral("皮下"),     QStringLiteral("皮内"),
    QStringLiteral("肌注"),   QStringLiteral("肌肉注射"), QStringLiteral("入小壶"), QStringLiteral("雾化")};

// The infusion-card text of a prescription text (CR LF lines): a group is the non-blank
// lines since the previous usage line (one holding "用法", or "sig" in any case) up to and
// including its own usage line; it goes on the card, each line followed by CR LF, when
// that usage line names a route. Lines after the last usage line never go on the card.
QString infusionCardOf(const QString& prescriptionText);

}  // namespace prescription
