// Writing the database files that are missing from the data folder out of the templates
// the program carries.
#pragma once

#include <QString>
#include <QStringList>

namespace startup {

struct TemplateFileEntry {
  QString fileName;  // in the data folder
  QString resource;  // the carried template
};

// The three files in the order they are written: main, inventory, dictionary.
const QList<TemplateFileEntry>& templateFiles();

// Writes each file that is not present in the folder from its template, through a
// temporary file and a rename, so that a file is complete or absent. A file that is
// there is never opened for writing. Returns the names written.
QStringList writeMissingTemplates(const QString& folder);

}  // namespace startup
