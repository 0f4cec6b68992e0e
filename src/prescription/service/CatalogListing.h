// Filling the drug list: a listing (CatalogQuery) run against the main database, as the
// entries the list shows, each remembering the row it stands for.
#pragma once

#include "prescription/service/CatalogSearch.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace prescription {

// One entry of the drug list. For a catalogue row: its list text (List1), its twin with the
// default usage (List6) and its key ID号. For a template: its title, no twin (a template
// has no usage) and its key 序号.
struct ListEntry {
  QString item;
  QString usageItem;
  QString key;
};

// The entries of `query` in list order. A row without a name or title is left out. Throws
// (SQLite::Exception) when the main database cannot be read.
//
// The catalogue's rows are kept from one listing to the next while the catalogue is
// unchanged (the same file and the same catalogue version), and read again after a change
// to it, by this workstation or another: a keystroke filters the kept rows instead of
// reading a catalogue of a hundred thousand rows again, with the same entries in the same
// order as a query would give. A write that leaves the catalogue as it was (a saved
// prescription, a phrase, a stock count) keeps them.
std::vector<ListEntry> runListing(const QString& mainDbPath, const CatalogQuery& query);

// How many times the catalogue's rows have been read from a file by this process: what a
// test watches to tell kept rows from rows read again.
std::uint64_t catalogueReadCount();

// Told, with the reason, when a picked template cannot be read.
inline const QString kTemplateUnreadableMessage = QStringLiteral("模板无法读取，没有添加到处方中：");

// The stored text of the template with key `key`; nullopt when it is gone. Throws when the
// main database cannot be read.
std::optional<QString> readTemplateContent(const QString& mainDbPath, const QString& key);

}  // namespace prescription
