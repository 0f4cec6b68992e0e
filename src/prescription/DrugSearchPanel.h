// The drug search on the left of the prescription window: the category buttons, the search
// box with its caption and the stroke-pad keys under it, and the drug list that a click or
// a search fills. The panel lists and marks; what a category click or a pick does to the
// prescription is the window's, through the handlers it gives.
#pragma once

#include "prescription/service/CatalogListing.h"
#include "prescription/service/CatalogSearch.h"
#include "ui/ControlArray.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <functional>

namespace ui {
class Session;
class TextRows;
}  // namespace ui

namespace prescription {

class DrugSearchPanel {
 public:
  struct Handlers {
    // The listing for a query; throws when the catalogue cannot be read.
    std::function<DrugListing(const CatalogQuery& query)> listing;
    // The category a typed search narrows to.
    std::function<int()> category;
    // Category button `index` clicked, after its marking and before its listing.
    std::function<void(int index)> categoryClicked;
    // A row picked by a double click or Enter; the box and the list are cleared after it.
    std::function<void(const ListEntry& entry)> picked;
    // The search box took the focus or listed what was typed.
    std::function<void()> searching;
  };

  explicit DrugSearchPanel(ui::Session& session) : session_(session) {}
  DrugSearchPanel(const DrugSearchPanel&) = delete;
  DrugSearchPanel& operator=(const DrugSearchPanel&) = delete;

  // Makes the controls on `window`; the search box's caption is Label8(1) of `captions`.
  void build(QWidget* window, ui::ControlArray<QLabel>& captions, Handlers handlers);

  // Replaces the list's entries by the query's listing.
  void showListing(const CatalogQuery& query);
  // The list's entries, each remembering its catalogue row.
  const DrugListing& entries() const { return entries_; }

  QLineEdit* searchBox() const { return Text1; }
  QListView* drugList() const { return List1; }

 private:
  void Command1_Click(int index);
  void Text1_Change();
  bool Text1_KeyDown(int key);  // true when the key is discarded
  void List1_DblClick();

  ui::Session& session_;
  Handlers handlers_;
  ui::ControlArray<QPushButton> Command1{QStringLiteral("Command1")};
  QLineEdit* Text1 = nullptr;
  QListView* List1 = nullptr;
  // The list's rows: the entries of the last listing, shown by their list text.
  ui::TextRows* rows_ = nullptr;
  DrugListing entries_;
};

}  // namespace prescription
