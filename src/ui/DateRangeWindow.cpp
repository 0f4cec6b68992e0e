#include "ui/DateRangeWindow.h"

#include "text/Dates.h"
#include "ui/ComboBoxes.h"
#include "ui/SpacedText.h"

#include <QDate>

namespace ui {

DateRangeWindow::DateRangeWindow(const char* name, const QString& title, double clientWidth,
                                 double clientHeight, Opening opening)
    : Window(QString::fromLatin1(name)), opening_(opening) {
  setWindowTitle(title);
  setClientSize(clientWidth, clientHeight);
}

void DateRangeWindow::Form_Load() {
  placeOnMainWindow();
  const QDate today = QDate::currentDate();
  Text3->setText(text::isoDate(opening_ == Opening::LastMonth ? text::oneMonthBack(today) : today));
  Text4->setText(text::isoDate(today));
}

void DateRangeWindow::makeGrid(grid::GridConfig config) { grid = new PagedGrid(std::move(config), this); }

void DateRangeWindow::makeFrame(const Place& place, const QString& caption) {
  Frame1 = make<QGroupBox>(this, "Frame1", place, caption);
}

std::pair<QLabel*, QLabel*> DateRangeWindow::makeDateBoxes(const Captioned& from, const Captioned& to) {
  QLabel* captions[2] = {};
  QLineEdit** boxes[2] = {&Text3, &Text4};
  const Captioned* specs[2] = {&from, &to};
  for (int i = 0; i < 2; ++i) {
    *boxes[i] = make<QLineEdit>(Frame1, i == 0 ? "Text3" : "Text4", specs[i]->boxPlace);
    captions[i] = make<QLabel>(Frame1, specs[i]->captionName, specs[i]->captionPlace, specs[i]->caption);
    setCaption(captions[i], *boxes[i]);
  }
  return {captions[0], captions[1]};
}

QLabel* DateRangeWindow::makeCategoryBox(const Captioned& category, const QStringList& items) {
  Combo1 = make<QComboBox>(Frame1, "Combo1", category.boxPlace);
  takeTextAsTyped(Combo1);
  spaceListRows(Combo1);
  Combo1->addItems(items);
  Combo1->setEditText(QStringLiteral("西成药"));
  QLabel* caption = make<QLabel>(Frame1, category.captionName, category.captionPlace, category.caption);
  setCaption(caption, Combo1);
  return caption;
}

QLineEdit* DateRangeWindow::makeExportPathBox(const char* name) {
  auto* box = make<QLineEdit>(this, name, {0, 0, 100, 100}, QStringLiteral("Text1"));
  box->hide();
  return box;
}

}  // namespace ui
