#include "templates/ShippedRows.h"

namespace templates {

void loadShippedRows(TemplateFile, store::Database&, const QString&) {}

}  // namespace templates
