// The host-name file "kvlo-12.jpg": one line naming the host computer whose share holds
// the main and inventory databases, kept as a scrambled number list (text/ScrambledText.h).
#pragma once

#include <QString>

#include <optional>

namespace startup {

// Reads the first line of the host-name file in the folder and unscrambles it, blanks
// trimmed. nullopt when the file is absent; an empty text when it is present but
// unreadable, empty or malformed.
std::optional<QString> readHostName(const QString& folder);

// Writes the host-name file (the line and CR LF) through a temporary file, so the file is
// complete or unchanged. False when the name cannot be encoded or the write fails.
bool writeHostNameFile(const QString& folder, const QString& hostName);

}  // namespace startup
