// The herbal-usage phrases that the prescription window offers under a herbal
// prescription: the phrase list "中药用法" in [诊断].
#pragma once

#include <QString>
#include <QStringList>

namespace prescription {

inline const QString kHerbalUsageList = QStringLiteral("中药用法");

// The two phrases a list without any herbal usage starts with, in this order.
QStringList defaultHerbalUsages();

// The phrases of the list in table order. When the list has none, the two default
// phrases are stored first (each with its phrase-and-initials key), in one transaction.
// Throws store::StoreError with the reason when the database cannot be read or written.
QStringList seedHerbalUsages(const QString& mainDbPath);

}  // namespace prescription
