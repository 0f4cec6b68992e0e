#include "prescription/service/HistoryList.h"

#include "store/DataFile.h"
#include "text/Blank.h"
#include "text/Dates.h"

namespace prescription {
namespace {

HistoryWindow singleDay(const HistoryWindow& current, int days) {
  HistoryWindow next;
  const std::optional<QDate> to = text::readDate(current.to);
  next.from = to ? text::isoDate(to->addDays(days)) : current.from;
  next.to = next.from;
  return next;
}

HistoryWindow lastTenYears(HistoryWindow window, const QDate& today) {
  window.from = text::isoDate(today.addYears(-10));
  window.to = text::isoDate(today);
  return window;
}

}  // namespace

HistoryWindow openingWindow(const HistoryWindow& current, const QDate& today) {
  return {current.search, text::isoDate(text::oneMonthBack(today)), text::isoDate(today)};
}

HistoryWindow todaysPatients(const QDate& today) { return {QString(""), text::isoDate(today), text::isoDate(today)}; }

HistoryWindow dayBefore(const HistoryWindow& current) { return singleDay(current, -1); }

HistoryWindow dayAfter(const HistoryWindow& current) { return singleDay(current, 1); }

HistoryWindow searchTyped(const HistoryWindow& current, const QString& search, const QDate& today) {
  HistoryWindow next = current;
  next.search = search;
  return text::trimBlanks(search).isEmpty() ? next : lastTenYears(next, today);
}

std::optional<HistoryWindow> patientHistory(const HistoryWindow& current, const QString& nameBox,
                                            const QDate& today) {
  if (text::trimBlanks(nameBox).isEmpty()) return std::nullopt;
  return searchTyped(current, nameBox, today);
}

std::optional<store::HistoryFilter> historyFilter(const HistoryWindow& window) {
  std::optional<QDate> from = text::readDate(window.from);
  std::optional<QDate> to = text::readDate(window.to);
  if (!from || !to) return std::nullopt;
  if (*from > *to) std::swap(from, to);

  store::HistoryFilter filter;
  const QString trimmed = text::trimBlanks(window.search);
  filter.column = !trimmed.isEmpty() && trimmed.front().unicode() < 0x80 ? store::HistoryFilter::Column::NameInitials
                                                                         : store::HistoryFilter::Column::Name;
  filter.contains = window.search;
  filter.from = text::isoDate(*from);
  filter.before = text::isoDate(to->addDays(1));
  return filter;
}

QString historyItemText(const store::HistoryRow& row) {
  const std::optional<QDate> visit = text::readDate(row.visitDate);
  const QString date = visit ? text::isoDate(*visit) : row.visitDate;
  return row.name + u'[' + row.sex + u',' + row.age + u',' + date + u']' + row.dispenseMark;
}

HistoryResult HistoryList::query(const HistoryWindow& window) const {
  HistoryResult result;
  const std::optional<store::HistoryFilter> filter = historyFilter(window);
  if (!filter) return result;
  try {
    main_->use([&](store::Database& db) {
      for (const store::HistoryRow& row : store::RecordsRepository(db).history(*filter))
        result.items.push_back({row.serial, historyItemText(row)});
    });
  } catch (const std::exception& failure) {
    result.reason = store::failureReason(failure);
  }
  return result;
}

}  // namespace prescription
