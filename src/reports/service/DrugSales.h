// The drug-sales statistics: the sales lines of a category and a date range of at most
// 32 days, totalled per drug (quantity with its unit, sales amount, profit), followed by
// the "合计" row; the grid's page columns and the exported sheet.
#pragma once

#include "grid/PagedGridState.h"
#include "spreadsheet/Workbook.h"
#include "store/SalesReports.h"
#include "text/AsciiCase.h"

#include <QString>

#include <vector>

namespace reports {

inline const QString kTotalRowName = QStringLiteral("合计");

// One row of the result as the hidden lists hold it.
struct DrugSalesRow {
  QString name;
  QString quantity;
  QString unit;
  QString amount;  // "0.00"
  QString profit;  // "0.00"
};

// Totals the lines per drug (names compared ignoring ASCII case, the drug's unit from its
// first line, "g" turned into "kg"), in name order, and appends the "合计" row, whose
// figures add up the rounded texts of the rows above it.
class DrugSalesTally {
 public:
  void add(const store::SalesLineValues& line);
  std::vector<DrugSalesRow> rows() const;

 private:
  struct Drug {
    QString name;
    QString unit;
    double quantity = 0.0;
    double amount = 0.0;
    double profit = 0.0;
  };
  text::NameGroups<Drug> drugs_;
};

struct DrugSalesOutcome {
  bool ran = false;                 // false: refused or failed; the shown result stays
  QString message;                  // why it did not run
  std::vector<DrugSalesRow> rows;   // the drugs and the "合计" row last
};

DrugSalesOutcome runDrugSales(const QString& stockDbPath, const QString& from, const QString& to,
                              const QString& category);

// The grid's records: the same rows, with an amount or profit of exactly "0.00" left empty.
std::vector<grid::Record> drugSalesPage(const std::vector<DrugSalesRow>& rows);
// The exported sheet: the rows as they stand, "0.00" kept, "合计" last.
spreadsheet::Workbook drugSalesWorkbook(const std::vector<DrugSalesRow>& rows);

}  // namespace reports
