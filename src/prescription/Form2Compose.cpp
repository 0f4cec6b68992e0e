// The prescription window's text: picks from the drug list, the route labels, the herbal
// layout and the infusion card that follows the text.
#include "prescription/DrugListModel.h"
#include "prescription/Form2.h"
#include "prescription/service/CatalogListing.h"
#include "prescription/service/CatalogSearch.h"
#include "prescription/service/Composition.h"
#include "prescription/service/InfusionCardText.h"
#include "store/DataFile.h"
#include "ui/CrLfText.h"

#include <QCoreApplication>

namespace prescription {

void Form2::List1_DblClick() {
  const DrugListing& entries = drugList_->entries();
  if (entries.empty()) return;
  const int row = List1->currentIndex().row();
  // With rows but none chosen there is nothing to pick.
  if (row < 0 || row >= static_cast<int>(entries.size())) return;
  const ListEntry entry = entries[static_cast<size_t>(row)];
  const QString text = r1Text();

  if (CurrentCategoryIndex < kHerbs) {
    const ComposedText composed = pickCatalogRow(text, entry.item, entry.usageItem, herbal_);
    setR1(composed.text, composed.caret);
  } else if (CurrentCategoryIndex == kHerbs) {
    const QTextCursor cursor = R1->textCursor();
    const QString boxText = R1->toPlainText();
    const HerbPick pick = pickHerb(text, ui::fromBoxPosition(boxText, cursor.selectionStart()),
                                   ui::fromBoxPosition(boxText, cursor.selectionEnd()), entry.item, herbal_);
    if (pick.duplicate)
      session_.dialogs.message(kDuplicateHerbMessage);
    else if (pick.layout)
      showHerbalLayout(*pick.layout);
    else
      setR1(pick.result.text, pick.result.caret);
  } else {
    // A template is read by the key its entry remembers, whatever was added or removed
    // since the list was filled.
    std::optional<QString> content;
    try {
      content = readTemplateContent(mainConnection(), entry.key);
    } catch (const std::exception& e) {
      session_.dialogs.message(kTemplateUnreadableMessage + store::failureReason(e));
    }
    if (content) {
      const ComposedText composed =
          CurrentCategoryIndex == kHerbalFormulas ? pickFormula(text, *content) : pickPersonalSet(text, *content);
      setR1(composed.text, composed.caret);
    }
  }

  QCoreApplication::processEvents();
  Text1->clear();
  Text1->setFocus();
  List1->setCurrentIndex(QModelIndex());
  List1->clearSelection();
  hideSuggestionLists();
  List8->hide();
}

void Form2::Label50_Click(int index) { setR1(appendRouteLine(r1Text(), index)); }

void Form2::R1_Change() {
  if (BusyFlag != 0) return;
  ssy();
  const QString card = ui::toBoxText(InfusionCardText);
  if (text9->toPlainText() != card) text9->setPlainText(card);
}

void Form2::ssy() { InfusionCardText = ::prescription::ssy(r1Text()); }

void Form2::R1_DblClick() {
  if (herbal_) RC1();
}

void Form2::RC1() {
  PrescriptionState s = state();
  if (const std::optional<HerbalLayout> layout = ::prescription::RC1(s)) showHerbalLayout(*layout);
}

void Form2::showHerbalLayout(const HerbalLayout& layout) {
  List30 = layout.entries;
  Text8 = layout.tail;
  Text7 = layout.text.left(layout.text.size() - layout.tail.size());
  if (layout.summary) Label17->setText(*layout.summary);
  setR1(layout.text, layout.caret);
}

}  // namespace prescription
