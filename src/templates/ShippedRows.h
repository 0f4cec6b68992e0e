// The shipped rows that come from data/ rather than from the schema files.
#pragma once

#include "store/Database.h"

#include <QString>

namespace templates {

enum class TemplateFile { Main, Inventory, Dictionary };

// Adds the rows of data/ that belong in the given template file. Missing data files
// add nothing; a malformed one throws.
void loadShippedRows(TemplateFile file, store::Database& db, const QString& dataDir);

}  // namespace templates
