// The host-name file "kvlo-12.jpg": one line naming the host computer whose share holds
// the main and inventory databases. Each character is written as its code-page-936 code
// combined by exclusive-or with 0xB3, in decimal, the numbers joined by ",".
#pragma once

#include <QString>

#include <optional>

namespace startup {

// The text the numbers stand for; nullopt when a piece is not a number or names no
// character. An empty text gives "".
std::optional<QString> UnscrambleText(const QString& numbers);

// The inverse: nullopt when code page 936 cannot hold a character of the text.
std::optional<QString> ScrambleText(const QString& text);

// Reads the first line of the host-name file in the folder and unscrambles it, blanks
// trimmed. nullopt when the file is absent; an empty text when it is present but
// unreadable, empty or malformed.
std::optional<QString> readHostName(const QString& folder);

// Writes the host-name file (the line and CR LF) through a temporary file, so the file is
// complete or unchanged. False when the name cannot be encoded or the write fails.
bool writeHostNameFile(const QString& folder, const QString& hostName);

}  // namespace startup
