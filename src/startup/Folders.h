// Creating the data folder.
#pragma once

#include <QString>

namespace startup {

// Creates every missing level of a folder path, from the root downwards. Never fails:
// a level that exists or cannot be created is passed over.
void CreateFolderPath(const QString& path);

}  // namespace startup
