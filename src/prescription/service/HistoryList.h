// The history list of the prescription window: the date window and search commands, the
// query they run and the item texts. Each item keeps the serial of its record, so a
// load or a delete acts on that record whatever the list shows by then.
#pragma once

#include "store/KeptConnection.h"

#include "store/RecordsRepository.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace prescription {

// The three boxes of the history panel: Text2 (search), Text3 (from), Text4 (to).
struct HistoryWindow {
  QString search;
  QString from;
  QString to;

  bool operator==(const HistoryWindow&) const = default;
};

struct HistoryItem {
  QString serial;  // 序号 of the record the item stands for
  QString text;    // 王五[男,36岁,2019-07-15]-已发药
};

struct HistoryResult {
  std::vector<HistoryItem> items;
  // Why the data file could not be read, in the store's words; the list then stays empty.
  QString reason;
};

// The window's opening: from one calendar month before today to today; the search stays.
HistoryWindow openingWindow(const HistoryWindow& current, const QDate& today);
// "今日患者": today only, search cleared.
HistoryWindow todaysPatients(const QDate& today);
// "<<" and ">>": the one day before or after the "to" box, search cleared. When that box
// holds no date, both boxes take the "from" box's text.
HistoryWindow dayBefore(const HistoryWindow& current);
HistoryWindow dayAfter(const HistoryWindow& current);
// Typing in the search box: a search that is not blank widens the window to the last
// ten years (no query runs).
HistoryWindow searchTyped(const HistoryWindow& current, const QString& search, const QDate& today);
// "历史处方": the patient's name as typed becomes the search over ten years; nullopt (no
// change, no query) when the name box is blank.
std::optional<HistoryWindow> patientHistory(const HistoryWindow& current, const QString& nameBox,
                                            const QDate& today);

// The filter a window queries: the column by the search's first non-blank character
// (ASCII: the name's initials, otherwise the name), the search taken literally, the date
// boxes read as "yyyy-m-d" or "yyyy/m/d", swapped when reversed. nullopt when a date box
// holds no date: the list then stays empty.
std::optional<store::HistoryFilter> historyFilter(const HistoryWindow& window);

// name[sex,age,yyyy-mm-dd] followed by the dispense mark.
QString historyItemText(const store::HistoryRow& row);

class HistoryList {
 public:
  explicit HistoryList(QString mainDbPath) : main_(std::move(mainDbPath), store::Database::Mode::ReadOnly) {}
  explicit HistoryList(store::KeptConnection& main) : main_(main) {}
  HistoryResult query(const HistoryWindow& window) const;

 private:
  store::Connection main_;
};

}  // namespace prescription
