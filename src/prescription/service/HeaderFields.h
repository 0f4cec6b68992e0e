// What the header fields Text5(0) to Text5(18) do as the physician fills them in: the
// sex digits, the fee total, the suggestion look-ups their changes and focus start, the
// Enter and Down keys, and the two picks that edit a text (diagnosis, symptoms). The
// model applies a change to its header texts; the window runs the look-ups, the focus
// moves and the picks.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace prescription {

using HeaderTexts = std::array<QString, 19>;

// The four suggestion lists of the window.
enum class SuggestionList {
  Patients,   // List5, under 姓名
  Addresses,  // List4, under 住址（电话）
  Diagnoses,  // List3, under 诊断
  Symptoms,   // List8, under the symptom search box Text11
};

// A look-up to run: clear the list, fill it with the rows whose key holds `contains`
// literally, and show it when it holds an item (a look-up started by a change hides the
// list first, so one that finds nothing leaves it hidden).
struct LookUp {
  SuggestionList list;
  QString contains;
  bool hideFirst = false;
};

// What the window does after a header field changed, in this order: put `replaceText`
// into the field (its own change handling then runs once more and finds nothing to do),
// put the caret at the end, write `total` into 合计, hide `hide`, run `lookUp`.
struct FieldChange {
  std::optional<QString> replaceText;
  bool caretToEnd = false;
  std::optional<QString> total;
  std::optional<SuggestionList> hide;
  std::optional<LookUp> lookUp;
};

// What follows a change of header field `field`, the texts already holding the change.
// While the window is busy only the sex-digit replacement runs.
FieldChange headerFieldChange(int field, const HeaderTexts& texts, bool busy);

// What the window does when a header field takes the focus, in this order: hide the
// suggestion lists of the other fields (also while busy), run `lookUp`, put the caret at
// the end, and aim the stroke input window at the field.
struct FieldFocus {
  std::array<bool, 3> hide{};  // Patients, Addresses, Diagnoses
  std::optional<LookUp> lookUp;
};
FieldFocus headerFieldFocus(int field, const HeaderTexts& texts, bool busy);

// The symptom look-up of the search box Text11, on a change (the list hidden first) or on
// taking the focus; it runs whatever the busy flag holds, and its list is shown whenever
// it holds an item.
LookUp symptomLookUp(const QString& search, bool byChange);

// The sex field: "1" typed becomes "男", "2" becomes "女"; anything else stays.
QString sexAfterTyping(const QString& text);
// A click on the sex field: "男" becomes "女", anything else (also nothing) "男".
QString sexAfterClick(const QString& text);

// 合计 from 药费 and 其他: the sum of their leading numbers as "0.00", empty when it is 0.
QString feeTotal(const QString& drugFee, const QString& otherFee);

// The word of the diagnosis field that its look-up searches: the part after the last
// blank (the whole field when it holds none), with its blanks trimmed. A field that ends
// in a blank searches for everything.
QString diagnosisSearchWord(const QString& diagnosis);
// A diagnosis pick replaces that last word (the whole field when it holds no blank).
QString diagnosisAfterPick(const QString& diagnosis, const QString& phrase);

// Where a key pressed in a header field sends the focus.
enum class KeyTarget {
  None,         // the key does nothing more
  Field,        // the header field `field`
  SearchBox,    // the drug search box Text1
  NextControl,  // the next control of the window's tab order
  List,         // the field's suggestion list, its first item selected
};
struct FieldKey {
  bool swallow = false;  // the key is discarded
  KeyTarget target = KeyTarget::None;
  int field = -1;
  std::optional<SuggestionList> list;
};

// Enter walks 姓名, 性别, 年龄, 科别, 住址（电话）, 日期, 诊断, 过敏史 and then the drug search
// box; Down moves into the field's open list. Both keys are discarded in every header
// field; other keys are left to the box.
FieldKey headerFieldKey(int field, int key, bool listShown);

// The suggestion list of a header field, if it has one.
std::optional<SuggestionList> listOfField(int field);

// A text and its caret, in characters.
struct TextEdit {
  QString text;
  int caret = 0;
};

// A symptom pick into the symptoms box, whose selection starts at `selectionStart` (the
// caret when nothing is selected) and is `selectionLength` long: a "。" just before it
// becomes "、"; then the phrase replaces the selection, followed by "、" when the selection
// starts before the end of the text, by "。" when it starts at the end. The caret ends
// behind the insertion. Two picks into an empty box give "甲、乙。".
TextEdit insertSymptom(const QString& text, int selectionStart, int selectionLength, const QString& phrase);
// The step that a click on a Label8 caption runs alone: a "。" just before the caret
// becomes "、"; the caret stays.
QString commaBeforeCaret(const QString& text, int caret);

}  // namespace prescription
