// The personal templates [个人模板]: sets, herbal formulas, record phrases and record
// templates, each with its search key (title, initials, strokes, "$").
#pragma once

#include "store/SearchKeyColumn.h"

namespace store {

class PersonalTemplates {
 public:
  explicit PersonalTemplates(Database& db) : db_(db) {}

  SearchKeyColumn searchKeys() { return SearchKeyColumn(db_, "个人模板"); }

 private:
  Database& db_;
};

}  // namespace store
