#include "text/SearchKeys.h"

#include "text/Blank.h"
#include "text/PinyinInitials.h"

namespace text {

QString CatalogSearchKey(const QString& storedName, const StrokeCoder& strokes) {
  return CatalogSearchKey(storedName, PinyinInitials(storedName), strokes.StrokeCode(storedName));
}

QString CatalogSearchKey(const QString& storedName, const QString& initials, const QString& strokeCode) {
  return storedName + u'-' + initials + u'-' + strokeCode + u'$';
}

QString TemplateSearchKey(const QString& title, const StrokeCoder& strokes) {
  return title + PinyinInitials(title) + strokes.StrokeCode(title) + u'$';
}

QString NameInitialsKey(const QString& text) { return text + u'-' + PinyinInitials(text); }

QString SymptomKey(const QString& symptom) { return symptom + PinyinInitials(symptom); }

QString PatientKey(const QString& name, const QString& birthYear) {
  // The name stays as typed; its initials are those of the trimmed name, so a leading
  // blank does not cost the key its initials.
  return name + PinyinInitials(trimBlanks(name)) + birthYear;
}

}  // namespace text
