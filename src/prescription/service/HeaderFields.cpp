#include "prescription/service/HeaderFields.h"

#include "prescription/service/PrescriptionState.h"
#include "text/Blank.h"
#include "text/Numbers.h"

#include <Qt>

#include <algorithm>

namespace prescription {
namespace {

const QString kMale = QStringLiteral("男");
const QString kFemale = QStringLiteral("女");
const QChar kFullStop = u'。';
const QChar kEnumerationComma = u'、';

// The fields that Enter walks through, in the window's tab order; the drug search box
// comes after the last.
constexpr std::array<int, 8> kEnterWalk = {header::kName,    header::kSex,  header::kAge,       header::kDepartment,
                                           header::kAddress, header::kDate, header::kDiagnosis, header::kAllergy};

}  // namespace

std::optional<SuggestionList> listOfField(int field) {
  switch (field) {
    case header::kName: return SuggestionList::Patients;
    case header::kAddress: return SuggestionList::Addresses;
    case header::kDiagnosis: return SuggestionList::Diagnoses;
    default: return std::nullopt;
  }
}

FieldChange headerFieldChange(int field, const HeaderTexts& texts, bool busy) {
  FieldChange change;
  const QString& text = texts[field];
  if (field == header::kSex) {
    // Not held back by the busy flag: a digit becomes the sex whoever wrote it.
    const QString sex = sexAfterTyping(text);
    if (sex != text) change.replaceText = sex;
    change.caretToEnd = true;
    return change;
  }
  if (busy) return change;
  switch (field) {
    case header::kName:
      // The name is searched exactly as typed, blanks included.
      if (text.isEmpty())
        change.hide = SuggestionList::Patients;
      else
        change.lookUp = LookUp{SuggestionList::Patients, text, true};
      break;
    case header::kAddress: change.lookUp = LookUp{SuggestionList::Addresses, text::trimBlanks(text), true}; break;
    case header::kDiagnosis: change.lookUp = LookUp{SuggestionList::Diagnoses, diagnosisSearchWord(text), true}; break;
    case header::kDrugFee:
    case header::kOtherFee: change.total = feeTotal(texts[header::kDrugFee], texts[header::kOtherFee]); break;
    default: break;
  }
  return change;
}

FieldFocus headerFieldFocus(int field, const HeaderTexts& texts, bool busy) {
  FieldFocus focus;
  focus.hide = {field != header::kName, field != header::kAddress, field != header::kDiagnosis};
  if (busy) return focus;
  // On focus the address is searched as it stands, blanks included, and the lists are
  // not hidden first.
  if (field == header::kAddress) focus.lookUp = LookUp{SuggestionList::Addresses, texts[field], false};
  if (field == header::kDiagnosis)
    focus.lookUp = LookUp{SuggestionList::Diagnoses, diagnosisSearchWord(texts[field]), false};
  return focus;
}

LookUp symptomLookUp(const QString& search, bool byChange) {
  return {SuggestionList::Symptoms, text::trimBlanks(search), byChange};
}

QString sexAfterTyping(const QString& text) {
  if (text == u"1") return kMale;
  if (text == u"2") return kFemale;
  return text;
}

QString sexAfterClick(const QString& text) { return text == kMale ? kFemale : kMale; }

QString feeTotal(const QString& drugFee, const QString& otherFee) {
  // The fee fields are read as typed: a sign is no digit.
  const QString total = text::format00(text::typedNumber(otherFee) + text::typedNumber(drugFee));
  return text::leadingNumber(total) == 0 ? QString("") : total;
}

QString diagnosisSearchWord(const QString& diagnosis) {
  return text::trimBlanks(diagnosis.mid(diagnosis.lastIndexOf(u' ') + 1));
}

QString diagnosisAfterPick(const QString& diagnosis, const QString& phrase) {
  return diagnosis.left(diagnosis.lastIndexOf(u' ') + 1) + phrase;
}

FieldKey headerFieldKey(int field, int key, bool listShown) {
  FieldKey result;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    result.swallow = true;
    const auto* at = std::find(kEnterWalk.begin(), kEnterWalk.end(), field);
    if (at == kEnterWalk.end()) {
      result.target = KeyTarget::NextControl;
    } else if (at + 1 == kEnterWalk.end()) {
      result.target = KeyTarget::SearchBox;
    } else {
      result.target = KeyTarget::Field;
      result.field = *(at + 1);
    }
  } else if (key == Qt::Key_Down) {
    result.swallow = true;
    result.list = listOfField(field);
    if (result.list && listShown) result.target = KeyTarget::List;
  }
  return result;
}

TextEdit insertSymptom(const QString& text, int selectionStart, int selectionLength, const QString& phrase) {
  const int p = selectionStart;
  QString edited = commaBeforeCaret(text, p);
  const QChar closing = p < edited.size() ? kEnumerationComma : kFullStop;
  const QString inserted = phrase + closing;
  edited.replace(p, selectionLength, inserted);
  return {edited, int(p + inserted.size())};
}

QString commaBeforeCaret(const QString& text, int caret) {
  QString edited = text;
  if (caret > 0 && caret <= edited.size() && edited[caret - 1] == kFullStop) edited[caret - 1] = kEnumerationComma;
  return edited;
}

}  // namespace prescription
