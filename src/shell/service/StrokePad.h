// The stroke pad without a window: the strokes typed so far, the chosen radical, the
// radicals and characters they select ranked by the target's input kind, a pick that
// counts and types, the backspace, and the look-up of one character.
#pragma once

#include "shell/service/StrokeDictionary.h"
#include "text/TextTarget.h"

#include <QString>
#include <QStringList>

namespace shell {

// The character rows that show while the radical row is visible: two of the three.
inline constexpr int kCharacterSlotsBesideRadicals = 28;

// What the pad shows after a refresh.
struct StrokePadView {
  QStringList radicals;    // the radical slots, from the first
  QStringList characters;  // the character slots, from the first
  // The character panel covers the radical row, and all three rows of characters show,
  // when a radical is chosen or no radical matches the strokes.
  bool charactersCoverRadicals = true;
  // Why the dictionary could not be read; the slots are then empty. Empty when it was read.
  QString reason;

  int visibleCharacterSlots() const {
    return charactersCoverRadicals ? kCharacterSlots : kCharacterSlotsBesideRadicals;
  }
};

class StrokePad {
 public:
  explicit StrokePad(StrokeDictionary dictionary);

  // The input kind of the target box (InputTargetKind), read at every event. "" becomes
  // "词频". A value that names no counter is refused: the lists are ranked by "词频",
  // picks count nothing, and it never reaches a statement.
  void setKind(const QString& kind);
  const QString& kind() const { return kind_; }

  // The stroke digits typed since the last radical (Text8).
  const QString& strokes() const { return strokes_; }
  // The chosen radical, empty when none (Text10).
  const QString& radical() const { return radical_; }
  // The input as the user sees it (Label3): the radical, then the strokes as glyphs.
  QString input() const;
  bool isEmpty() const { return strokes_.isEmpty() && radical_.isEmpty(); }

  // The lists for the current input (every change of the input runs it, as below).
  const StrokePadView& refresh();
  const StrokePadView& view() const { return view_; }

  // A stroke key: appends stroke 1 to 5 (一 丨 丿 丶 ㄑ); other values are ignored.
  void typeStroke(int stroke);
  // A radical slot: chooses its radical and drops the strokes typed before it; strokes
  // typed from then on match the rest of the character. An empty slot does nothing.
  bool pickRadical(int slot);

  enum class Pick { EmptySlot, NoTarget, Typed };
  struct CharacterPick {
    Pick result = Pick::EmptySlot;
    // Why the pick was not counted (the character is typed all the same); empty when it was.
    QString reason;
  };
  // A character slot: counts the pick for the kind, types the character into the target
  // in place of its selection, gives it back the focus and clears the pad. An empty slot
  // does nothing; with no box that can take it nothing is counted and the input stays.
  CharacterPick pickCharacter(int slot, text::TextTarget* target);

  // A key of the key panel (digits, letters, punctuation) typed into the target; false
  // when no box can take it.
  bool pressKey(const QString& caption, text::TextTarget* target);
  // Enter sent to the target; false when no box can take it.
  bool pressEnter(text::TextTarget* target);

  // Drops the last stroke, or the radical when no stroke is left. With nothing typed on
  // the pad it deletes the character before the target's caret instead (nothing at the
  // start of the box) and gives the box back the focus when it deleted.
  void backspace(text::TextTarget* target);
  void clear();

  // The look-up box: the radical and strokes of the character typed there (ASCII blanks
  // trimmed). Both are empty when the text does not start with a double-byte character
  // or no row holds exactly that text, and when the dictionary cannot be read (`reason`
  // then says why).
  struct LookUpOutcome {
    CharacterLookUp found;
    QString reason;
  };
  LookUpOutcome lookUp(const QString& text);

 private:
  StrokeDictionary dictionary_;
  QString kind_;
  QString strokes_;
  QString radical_;
  StrokePadView view_;
};

}  // namespace shell
