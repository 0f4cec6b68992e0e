// What the dispensing stress test and its station program share: the drugs the stations
// prescribe (one catalogue row each), their categories, and the prescriptions they work on.
#pragma once

#include <QString>
#include <QStringList>

namespace testing_support::dispensing_stress {

inline const QString kWestern = QString::fromUtf16(u"西成药·抗生素");
inline const QString kHerb = QString::fromUtf16(u"中药");
inline const QString kFee = QString::fromUtf16(u"收费项目");
inline const QString kFeeName = QString::fromUtf16(u"挂号费");  // its stock is not kept
inline const QStringList kDrugs = {QString::fromUtf16(u"阿莫西林胶囊"), QString::fromUtf16(u"头孢克肟胶囊"),
                                   QString::fromUtf16(u"布洛芬缓释胶囊"), QString::fromUtf16(u"当归")};
inline const QStringList kCategories = {kWestern, kWestern, kWestern, kHerb};
inline const QStringList kSerials = {"S1", "S2", "S3"};

}  // namespace testing_support::dispensing_stress
