// A report over a range of visit or sale dates: a frame with the two date boxes "from"
// and "to" (and, in most, a category box), the buttons that run and export the report,
// and its result below. Each report window places these controls where it was designed
// and keeps its own buttons and result; this base makes the shared controls the same way
// in all of them and fills the dates in when the window opens.
#pragma once

#include "grid/GridConfig.h"
#include "ui/Controls.h"
#include "ui/PagedGrid.h"
#include "ui/Window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <utility>

namespace ui {

class DateRangeWindow : public Window {
  Q_OBJECT

 public:
  // Puts the window in its place and fills the date boxes as the window opens them.
  void Form_Load() override;

  QGroupBox* Frame1 = nullptr;
  QLineEdit* Text3 = nullptr;   // the first date
  QLineEdit* Text4 = nullptr;   // the last date
  QComboBox* Combo1 = nullptr;  // the category; none in a window without one
  PagedGrid* grid = nullptr;    // the result; none in a window that shows one line

 protected:
  // The dates a window opens with: the month up to today, or today alone.
  enum class Opening { LastMonth, Today };

  DateRangeWindow(const char* name, const QString& title, double clientWidth, double clientHeight,
                  Opening opening);

  // A caption and the box it names, both in the frame.
  struct Captioned {
    const char* captionName;
    QString caption;
    Place captionPlace;
    Place boxPlace;
  };

  void makeGrid(grid::GridConfig config);
  void makeFrame(const Place& place, const QString& caption = {});
  // The two date boxes in the frame, each made before its caption; returns the captions.
  std::pair<QLabel*, QLabel*> makeDateBoxes(const Captioned& from, const Captioned& to);
  // The category box in the frame, taking the text as typed, offering `items` and
  // showing "西成药"; returns its caption.
  QLabel* makeCategoryBox(const Captioned& category, const QStringList& items);
  // The hidden box that keeps the last chosen export path between exports.
  QLineEdit* makeExportPathBox(const char* name);

 private:
  Opening opening_;
};

}  // namespace ui
