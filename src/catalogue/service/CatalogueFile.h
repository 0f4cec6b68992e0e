// The catalogue of the main file as the catalogue window works on it: each call opens the
// file for its own piece of work. The listing calls throw store::StoreError with the
// reason when the file cannot be used; the writes say why they failed.
#pragma once

#include "catalogue/service/CatalogueRow.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "text/StrokeCode.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace catalogue {

// Why a grid line read from the file is not saved: another workstation removed its row.
inline const QString kDeletedElsewhere = QStringLiteral("已在其他工作站删除，未保存");

class CatalogueFile {
 public:
  explicit CatalogueFile(QString mainPath) : mainPath_(std::move(mainPath)) {}

  // The rows of ids as they are stored now (nullopt for a row gone since); the ids come
  // from a CatalogueListSearch.
  std::vector<std::optional<CatalogueRow>> rowsWithIds(const std::vector<int64_t>& ids);
  // The rows of the category whose kept stock is below `threshold`, in name order.
  std::vector<CatalogueRow> lowStock(const QString& categoryPrefix, double threshold);
  // Removes the row with the key; removes every row of the category prefix.
  void deleteRow(const QString& key);
  void clearCategory(const QString& categoryPrefix);
  // Whether a key is in use; false when the file cannot be asked (the save that follows
  // tells why).
  bool keyTaken(const QString& key);

  // Saves one row under `key` from what is stored under it now (see rowToStore): the row
  // as the file then holds it, or why nothing was written: the reason the store gave, or
  // kDeletedElsewhere when `rowFor` found that the row it stands for is gone.
  using RowFor = std::function<std::optional<CatalogueRow>(const std::optional<CatalogueRow>& stored)>;
  struct SavedRow {
    QString reason;  // why nothing was written; empty when saved
    CatalogueRow row;
    bool saved() const { return reason.isEmpty(); }
  };
  SavedRow saveRow(const QString& key, const RowFor& rowFor);

  // Writes the rows of the category prefix to a workbook at `path`.
  spreadsheet::WriteOutcome exportTo(const QString& categoryPrefix, const QString& path);
  // Adds the sheet's rows (see importedRows) in one write; the reason nothing was added
  // ("文件“…”第N行：…" for a row the store refused), empty when all were added.
  QString importFrom(const spreadsheet::SheetRows& sheet, const QString& sheetPath, int button,
                     const QString& stamp, const text::StrokeCoder& strokes);

 private:
  QString mainPath_;
};

}  // namespace catalogue
