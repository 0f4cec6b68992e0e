#include "text/BraceEscapedName.h"

namespace text {

QString BraceEscapedName(const QString& name) {
  QString stored = name;
  stored.replace(u'[', u'{').replace(u']', u'}');
  return stored;
}

QString BracketedName(const QString& storedName) {
  QString shown = storedName;
  shown.replace(u'{', u'[').replace(u'}', u']');
  return shown;
}

}  // namespace text
