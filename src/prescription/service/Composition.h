// Composing the prescription text: what a pick from the drug list, a herbal formula, a
// personal set or an injection-route label adds to it, and where the caret goes.
// Texts and caret positions count CR LF line breaks, as the prescription is stored.
#pragma once

#include "prescription/service/HerbalLayout.h"

#include <QString>

#include <array>

namespace prescription {

// The text after a pick and the caret position in it.
struct ComposedText {
  QString text;
  int caret = 0;
};

// The mark that starts a usage line under a drug: four blanks, "用法" and a full-width colon.
inline const QString kUsageMark = QStringLiteral("    用法：");

// A row of the drug categories, the fee items or the usage phrases. `item` is the list's
// text, `usageItem` its twin with "\" and the catalogue usage when the row has one. On an
// ordinary sheet a row with a usage goes in with its usage line, a usage phrase (a row
// holding "用法", or "sig" in any case) as an indented usage line, any other row as a
// plain line; on a herbal sheet only a plain row goes in, as a fee line below the herbs.
// The caret goes to the end in every case, also when nothing goes in.
ComposedText pickCatalogRow(const QString& text, const QString& item, const QString& usageItem, bool herbal);

// The bare herb name of a herb row, for the duplicate test: digits with their points,
// the unit characters and the blanks at both ends removed ("黄芪 12.5g" gives "黄芪").
QString herbName(const QString& item);

// The message for a herb whose name already stands in the prescription text.
inline const QString kDuplicateHerbMessage = QStringLiteral("该中药已存在！");

struct HerbPick {
  bool duplicate = false;  // refused: show kDuplicateHerbMessage, the text stays
  ComposedText result;
  // On a herbal sheet, the layout that followed the insertion (entries, tail, summary).
  std::optional<HerbalLayout> layout;
};

// A herb row. Refused when its bare name stands anywhere in the text. On a herbal sheet
// its 13-column cell replaces the selection [selectionStart, selectionEnd) and the herbs
// are laid out again; on an ordinary sheet it goes in as a plain line at the end.
HerbPick pickHerb(const QString& text, int selectionStart, int selectionEnd, const QString& item, bool herbal);

// A herbal formula: its stored text goes directly after the last character.
ComposedText pickFormula(const QString& text, const QString& content);

// A personal set: its stored text and a blank line, on a line of its own.
ComposedText pickPersonalSet(const QString& text, const QString& content);

// The injection-route labels, in the order of their label array.
inline const std::array<QString, 6> kRouteCaptions = {
    QStringLiteral("静脉滴注"), QStringLiteral("静脉推注"), QStringLiteral("肌肉注射"),
    QStringLiteral("入小壶"),   QStringLiteral("雾化吸入"), QStringLiteral("皮试")};

// The text with the usage line of route label `route` (0 to 5) and a blank line appended;
// in either layout.
QString appendRouteLine(const QString& text, int route);

}  // namespace prescription
