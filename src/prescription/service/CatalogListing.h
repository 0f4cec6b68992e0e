// Filling the drug list: a listing (CatalogQuery) run against the main database, as the
// entries the list shows, each remembering the row it stands for.
#pragma once

#include "prescription/service/CatalogSearch.h"

#include <QString>

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
// The catalogue's rows are kept from one listing to the next while the main file is
// unchanged (the same file, size, time and change counter), and read again after any
// write to it, by this workstation or another: a keystroke filters the kept rows instead
// of reading a catalogue of a hundred thousand rows again, with the same entries in the
// same order as a query would give.
std::vector<ListEntry> runListing(const QString& mainDbPath, const CatalogQuery& query);

// The stored text of the template with key `key`; nullopt when it is gone. Throws when the
// main database cannot be read.
std::optional<QString> readTemplateContent(const QString& mainDbPath, const QString& key);

}  // namespace prescription
