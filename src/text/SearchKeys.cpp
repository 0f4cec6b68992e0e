#include "text/SearchKeys.h"

#include "text/Blank.h"
#include "text/PinyinInitials.h"

namespace text {

QString CatalogSearchKey(const QString& storedName, const StrokeCoder& strokes) {
  return CatalogSearchKey(storedName, PinyinInitials(storedName), strokes.StrokeCode(storedName));
}

QString CatalogSearchKey(const QString& storedName, const QString& initials, const QString& strokeCode) {
  QString key;
  key.reserve(storedName.size() + initials.size() + strokeCode.size() + 3);
  key.append(storedName).append(u'-').append(initials).append(u'-').append(strokeCode).append(u'$');
  return key;
}

QString TemplateSearchKey(const QString& title, const StrokeCoder& strokes) {
  const QString initials = PinyinInitials(title);
  const QString strokeCode = strokes.StrokeCode(title);
  QString key;
  key.reserve(title.size() + initials.size() + strokeCode.size() + 1);
  key.append(title).append(initials).append(strokeCode).append(u'$');
  return key;
}

QString NameInitialsKey(const QString& text) { return text + u'-' + PinyinInitials(text); }

QString SymptomKey(const QString& symptom) { return symptom + PinyinInitials(symptom); }

QString PatientKey(const QString& name, const QString& birthYear) {
  // The name stays as typed; its initials are those of the trimmed name, so a leading
  // blank does not cost the key its initials.
  return name + PinyinInitials(trimBlanks(name)) + birthYear;
}

}  // namespace text
