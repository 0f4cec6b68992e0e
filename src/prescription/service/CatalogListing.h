// Filling the drug list: a listing (CatalogQuery) run against the main database, as the
// entries the list shows, each remembering the row it stands for.
#pragma once

#include "prescription/service/CatalogSearch.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

namespace store {
class KeptConnection;
}

namespace prescription {

// One entry of the drug list. For a catalogue row: its list text (List1), its twin with the
// default usage (List6) and its key ID号. For a template: its title, no twin (a template
// has no usage) and its key 序号.
struct ListEntry {
  QString item;
  QString usageItem;
  QString key;
};

class CatalogueCopy;

// The entries of one listing, in list order. A catalogue row's entry is made when it is
// asked for (the list asks for the rows it paints), from the catalogue rows as they were
// when the listing ran: a later change to the catalogue does not reach a listing already
// made.
class DrugListing {
 public:
  DrugListing();
  ~DrugListing();
  DrugListing(DrugListing&&) noexcept;
  DrugListing& operator=(DrugListing&&) noexcept;

  std::size_t size() const;
  bool empty() const { return size() == 0; }
  ListEntry operator[](std::size_t index) const;
  // The list text alone, which is all that painting a row needs.
  QString item(std::size_t index) const;

  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = ListEntry;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = ListEntry;
    const_iterator(const DrugListing* listing, std::size_t index) : listing_(listing), index_(index) {}
    ListEntry operator*() const { return (*listing_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const const_iterator& o) const { return index_ == o.index_; }

   private:
    const DrugListing* listing_;
    std::size_t index_;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

 private:
  friend DrugListing runListing(store::KeptConnection& main, const CatalogQuery& query);
  std::shared_ptr<const CatalogueCopy> rows_;
  std::vector<std::uint32_t> listed_;  // positions in rows_, in list order
  std::vector<ListEntry> templates_;
};

// The entries of `query` in list order, read through the window's kept connection to the
// main database. A row without a name or title is left out. Throws when the main database
// cannot be read.
//
// The catalogue's rows are kept from one listing to the next while the catalogue is
// unchanged (the same file and the same catalogue version): a keystroke filters the kept
// rows instead of reading a catalogue of a hundred thousand rows again, with the same
// entries in the same order as a query would give. A write that leaves the catalogue as it
// was (a saved prescription, a phrase, a stock count) keeps them. After a change to it, by
// this workstation or another, the next listing reads only the rows the change log names
// as changed since; a file without the log (or a change too large to be worth it) is read
// again in full.
DrugListing runListing(store::KeptConnection& main, const CatalogQuery& query);
// The same on a connection of its own.
DrugListing runListing(const QString& mainDbPath, const CatalogQuery& query);

// How many times the whole catalogue has been read from a file by this process, and how
// many times only its changed rows: what a test watches to tell kept rows, changes read
// alone and rows read again apart.
std::uint64_t catalogueReadCount();
std::uint64_t catalogueChangeReadCount();

// Told, with the reason, when a picked template cannot be read.
inline const QString kTemplateUnreadableMessage = QStringLiteral("模板无法读取，没有添加到处方中");

// The stored text of the template with key `key`; nullopt when it is gone. Throws when the
// main database cannot be read.
std::optional<QString> readTemplateContent(store::KeptConnection& main, const QString& key);
std::optional<QString> readTemplateContent(const QString& mainDbPath, const QString& key);

}  // namespace prescription
