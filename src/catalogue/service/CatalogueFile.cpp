#include "catalogue/service/CatalogueFile.h"

#include "catalogue/service/CatalogueImport.h"
#include "catalogue/service/CatalogueSheet.h"
#include "catalogue/service/RowSave.h"
#include "store/Catalogue.h"
#include "store/DataFile.h"

#include <QDir>
#include <QSet>

namespace catalogue {
namespace {

template <class Work>
auto withCatalogue(const QString& mainPath, Work&& work) {
  store::Database db = store::openExisting(mainPath);
  store::Catalogue catalogue(db);
  return work(catalogue);
}

}  // namespace

std::vector<std::optional<CatalogueRow>> CatalogueFile::rowsWithIds(const std::vector<int64_t>& ids) {
  return withCatalogue(mainPath_, [&](store::Catalogue& c) { return c.rowsWithIds(ids); });
}

std::vector<CatalogueRow> CatalogueFile::lowStock(const QString& categoryPrefix, double threshold) {
  return withCatalogue(mainPath_, [&](store::Catalogue& c) { return c.lowStock(categoryPrefix, threshold); });
}

void CatalogueFile::deleteRow(const QString& key) {
  withCatalogue(mainPath_, [&](store::Catalogue& c) { return c.deleteRow(key); });
}

void CatalogueFile::clearCategory(const QString& categoryPrefix) {
  withCatalogue(mainPath_, [&](store::Catalogue& c) { return c.clearCategory(categoryPrefix); });
}

bool CatalogueFile::keyTaken(const QString& key) {
  try {
    return withCatalogue(mainPath_, [&](store::Catalogue& c) { return c.keyTaken(key); });
  } catch (const store::StoreError&) {
    return false;  // the save that follows reports the file
  }
}

CatalogueFile::SavedRow CatalogueFile::saveRow(const QString& key, const RowFor& rowFor) {
  try {
    const std::optional<CatalogueRow> written = withCatalogue(mainPath_, [&](store::Catalogue& c) {
      return c.saveRow(key, [&](const std::optional<CatalogueRow>& stored) {
        std::optional<CatalogueRow> row = rowFor(stored);
        // Initials the save leaves as they are stored are not the user's to mend now.
        if (row && (!stored || row->initials != stored->initials))
          if (const QString refused = initialsRefusal(*row); !refused.isEmpty()) throw store::StoreError(refused);
        return row;
      });
    });
    if (!written) return {kDeletedElsewhere, {}};
    return {{}, *written};
  } catch (const store::StoreError& e) {
    return {e.reason(), {}};
  }
}

spreadsheet::WriteOutcome CatalogueFile::exportTo(const QString& categoryPrefix, const QString& path) {
  try {
    const std::vector<CatalogueRow> rows =
        withCatalogue(mainPath_, [&](store::Catalogue& c) { return c.listing(categoryPrefix, QString()); });
    return spreadsheet::SpreadsheetWriter::save(catalogueWorkbook(QList<CatalogueRow>(rows.begin(), rows.end())),
                                                path);
  } catch (const store::StoreError& e) {
    return {false, e.reason()};
  }
}

QString CatalogueFile::importFrom(const spreadsheet::SheetRows& sheet, const QString& sheetPath, int button,
                                  const QString& stamp, const text::StrokeCoder& strokes) {
  QString reason;
  try {
    withCatalogue(mainPath_, [&](store::Catalogue& c) {
      const QSet<QString> taken = c.keys();
      const QList<ImportedRow> imported =
          importedRows(sheet, button, stamp, strokes, [&](const QString& key) { return taken.contains(key); });
      QList<CatalogueRow> rows;
      rows.reserve(imported.size());
      const auto refusedRow = [&](int sheetRow, const QString& why) {
        return QStringLiteral("文件“%1”第%2行：%3").arg(QDir::toNativeSeparators(sheetPath)).arg(sheetRow).arg(why);
      };
      for (const ImportedRow& r : imported) {
        if (const QString refused = initialsRefusal(r.row); !refused.isEmpty()) {
          reason = refusedRow(r.sheetRow, refused);
          return 0;
        }
        rows.append(r.row);
      }
      try {
        c.addRows(rows);
      } catch (const store::RowRefused& e) {
        reason = refusedRow(imported.at(e.index()).sheetRow, e.reason());
      }
      return 0;
    });
  } catch (const store::StoreError& e) {
    reason = QStringLiteral("药物表无法写入：") + e.reason();
  }
  return reason;
}

}  // namespace catalogue
