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

enum class NewFile { Written, AlreadyThere, Failed };

// Puts a new file at `path` holding `bytes`: written in full to a temporary file beside
// it and only then given its name, so that the file is complete or absent. A file that
// is there (another instance may have just written it) is left as it is: AlreadyThere.
NewFile placeNewFile(const QString& path, const QByteArray& bytes);

// Writes each file that is not present in the folder from its template. A file that is
// there is never opened for writing. Returns the names of the files that could not be
// written, in the order above; empty when every missing file was written.
QStringList writeMissingTemplates(const QString& folder);

}  // namespace startup
