// The search keys of the catalogue ([商品].[查询]) and of the templates
// ([个人模板].[查询]), rebuilt once when the program closes while they are incomplete.
#pragma once

#include "text/StrokeCode.h"

#include <QString>

namespace catalogue {

struct KeyRebuild {
  int catalogueKeys = 0;  // keys written
  int templateKeys = 0;
  int refused = 0;        // rows that kept their old key
  // Why a table or the whole rebuild was passed over; empty when both tables were looked at.
  QString reason;
};

inline const QString kNoStrokeTable = QStringLiteral("笔画码表无法读取");

// For each table: when its first row in table order has a key that does not end in "$"
// (the empty text included; no value does not count), every row's key is rebuilt from its
// name ("" when it has none), in one transaction per table; a row that cannot be written
// keeps its old key and the walk goes on. A table that cannot be read is passed over and
// named in `reason`. Without a stroke table nothing is rebuilt. Never throws.
KeyRebuild rebuildSearchKeys(const QString& mainDbPath, const text::StrokeCoder& strokes);

}  // namespace catalogue
