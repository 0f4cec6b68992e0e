#include "shell/service/StrokePad.h"

#include "store/DataFile.h"
#include "text/Blank.h"
#include "text/Gbk.h"

#include <exception>
#include <utility>

namespace shell {

using text::InputKind;

namespace {

bool canType(const text::TextTarget* target) { return target != nullptr && target->canType(); }

}  // namespace

StrokePad::StrokePad(StrokeDictionary dictionary)
    : dictionary_(std::move(dictionary)), kind_(text::inputKindName(InputKind::Frequency)) {}

void StrokePad::setKind(const QString& kind) {
  kind_ = kind.isEmpty() ? text::inputKindName(InputKind::Frequency) : kind;
}

QString StrokePad::input() const { return radical_ + strokeGlyphs(strokes_); }

const StrokePadView& StrokePad::refresh() {
  const InputKind ranking = text::parseInputKind(kind_).value_or(InputKind::Frequency);
  view_ = StrokePadView{};
  try {
    view_.radicals = dictionary_.radicals(strokes_);
    view_.charactersCoverRadicals = !radical_.isEmpty() || view_.radicals.isEmpty();
    view_.characters = dictionary_.characters(strokes_, radical_, ranking);
  } catch (const std::exception& e) {
    view_.reason = store::failureReason(e);  // the slots not read stay empty; the window tells why
  }
  return view_;
}

void StrokePad::typeStroke(int stroke) {
  if (stroke < 1 || stroke > 5) return;
  strokes_ += QChar(u'0' + stroke);
  refresh();
}

bool StrokePad::pickRadical(int slot) {
  const QString radical = view_.radicals.value(slot);
  if (radical.isEmpty()) return false;
  radical_ = radical;
  strokes_.clear();
  refresh();
  return true;
}

StrokePad::CharacterPick StrokePad::pickCharacter(int slot, text::TextTarget* target) {
  const QString character = view_.characters.value(slot);
  if (character.isEmpty()) return {Pick::EmptySlot, {}};
  if (!canType(target)) return {Pick::NoTarget, {}};

  CharacterPick pick{Pick::Typed, {}};
  if (const std::optional<InputKind> counted = text::parseInputKind(kind_)) {
    try {
      dictionary_.countPick(character, *counted);
    } catch (const std::exception& e) {
      pick.reason = store::failureReason(e);  // the character is still typed
    }
  }
  target->insertText(character);
  target->takeFocus();
  clear();
  return pick;
}

bool StrokePad::pressKey(const QString& caption, text::TextTarget* target) {
  if (!canType(target)) return false;
  target->insertText(caption);
  target->takeFocus();
  return true;
}

bool StrokePad::pressEnter(text::TextTarget* target) {
  if (!canType(target)) return false;
  target->takeFocus();
  target->sendEnter();
  return true;
}

void StrokePad::backspace(text::TextTarget* target) {
  if (isEmpty()) {
    if (canType(target) && target->deleteBeforeCaret()) target->takeFocus();
  } else if (!strokes_.isEmpty()) {
    strokes_.chop(1);
  } else {
    radical_.clear();
  }
  refresh();
}

void StrokePad::clear() {
  strokes_.clear();
  radical_.clear();
  refresh();
}

StrokePad::LookUpOutcome StrokePad::lookUp(const QString& text) {
  const QString t = text::trimBlanks(text);
  if (t.isEmpty() || !text::isDoubleByte(t.at(0))) return {};
  try {
    return {dictionary_.lookUp(t).value_or(CharacterLookUp{}), {}};
  } catch (const std::exception& e) {
    return {{}, store::failureReason(e)};  // nothing found; the window tells the user why
  }
}

}  // namespace shell
