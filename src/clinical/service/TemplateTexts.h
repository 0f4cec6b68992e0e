// The texts the templates window works out: the order text of a new entry, the content as
// it is saved, and the herbal formula's layout.
#pragma once

#include "prescription/service/HerbalLayout.h"

#include <QString>

namespace clinical {

// The kinds of [个人模板]; the caption of the kind selector is the stored value.
inline const QString kFormulaKind = QStringLiteral("中药方剂");
inline const QString kSetKind = QStringLiteral("个人组套");
inline const QString kPhraseKind = QStringLiteral("病历常用语");
inline const QString kRecordTemplateKind = QStringLiteral("病史模板");

// The order text proposed for a new entry of a kind holding `rowCount` rows: the last
// three digits of the count plus one (001, 010, 000 after 999 rows, 001 after 1,000).
QString newOrderText(long long rowCount);

// The content as saved: 21 times, blanks trimmed at both ends and then one trailing
// CR LF removed. Up to 21 trailing line breaks go; a lone CR or LF stays.
QString stripTrailingBreaks(const QString& content);

// A herbal formula laid out in 13-column cells, four to a row (the prescription window's
// own layout), after "克" became "g" and "、" a blank. A text without any unit stays as it
// is apart from those two replacements. Laying out a laid-out formula changes nothing.
prescription::HerbalLayout FormulaLayout(const QString& content);

// The content the save stores for an entry of `kind`: stripped, and for a formula laid out.
QString contentForSave(const QString& content, const QString& kind);

}  // namespace clinical
