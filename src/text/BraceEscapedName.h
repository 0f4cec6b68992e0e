// Drug names: square brackets are stored as braces in the catalogue and shown as brackets.
#pragma once

#include <QString>

namespace text {

// The stored form of a drug name: "[" becomes "{" and "]" becomes "}". Every look-up by
// name goes through it.
QString BraceEscapedName(const QString& name);

// The shown form of a stored name: "{" becomes "[" and "}" becomes "]".
QString BracketedName(const QString& storedName);

}  // namespace text
