// The history list on the left of the prescription window, under the drug list: the name
// search and the date range with their buttons, the list of the records they find, and the
// pop-up that the right button opens over the list to delete the record shown. The panel
// shows what the window gives it; each query, the choice of a record and the pop-up's
// answer go to the window through the handlers it gives.
#pragma once

#include "prescription/service/HistoryRows.h"
#include "ui/ControlArray.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace ui {
class PickList;
}  // namespace ui

namespace prescription {

class HistoryRowsModel;

class HistoryPanel {
 public:
  // The pop-up's labels Label9(0) and Label9(1).
  enum class PopupChoice { Delete = 0, Cancel = 1 };

  struct Handlers {
    std::function<void()> search;            // 查   询
    std::function<void()> today;             // 今日患者
    std::function<void()> dayBefore;         // <<
    std::function<void()> dayAfter;          // >>
    std::function<void()> patientHistory;    // 历史处方
    // The name search as typed (not while showWindow sets it).
    std::function<void(const QString& search)> searchTyped;
    // The date range as typed, with the name search beside it.
    std::function<void(const HistoryWindow& boxes)> rangeTyped;
    // The user moved the list to `row` (a left click or a key); a refill or the focus
    // never chooses.
    std::function<void(int row)> chosen;
    // A pop-up label clicked; the pop-up is closed by then.
    std::function<void(PopupChoice choice)> popupChosen;
  };

  HistoryPanel() = default;
  HistoryPanel(const HistoryPanel&) = delete;
  HistoryPanel& operator=(const HistoryPanel&) = delete;

  // Makes the controls on `window`; the captions of the name search and of the date range
  // are Label8(2) and Label8(0) of `captions`.
  void build(QWidget* window, ui::ControlArray<QLabel>& captions, Handlers handlers);

  // The boxes, set together; a box that already says it is left alone, with its caret.
  void showWindow(const HistoryWindow& window);
  // A new list closes the pop-up, which was opened over the old one. The list counts its
  // rows on while the window waits for nothing else, and shows them as they are counted.
  void showItems(std::shared_ptr<HistoryRows> rows);
  // A click on the window's own face closes the pop-up.
  void closePopup() { Picture6->hide(); }

  QLineEdit* searchBox() const { return Text2; }

 private:
  // The pop-up, opened by the right button over a list with items.
  void List2_MouseUp(Qt::MouseButton button, const QPoint& position);
  // The item under the pointer is lit, the other drawn plain.
  void Label9_MouseMove(int index);
  void Label9_Click(int index);

  Handlers handlers_;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QPushButton* Command2 = nullptr;
  ui::PickList* List2 = nullptr;
  HistoryRowsModel* rows_ = nullptr;
  QTimer* counting_ = nullptr;
  QFrame* Picture6 = nullptr;
  ui::ControlArray<QLabel> Label9{QStringLiteral("Label9")};
};

}  // namespace prescription
