// The text box that the stroke pad types into, as the pad sees it. The window kit
// adapts the real boxes; tests use a plain double.
#pragma once

#include <QString>

namespace text {

class TextTarget {
 public:
  virtual ~TextTarget() = default;

  // The box can take typing now: it still exists, shows, is enabled and not read-only.
  virtual bool canType() const = 0;
  // Replaces the selected text by `text` (inserts it at the caret when nothing is
  // selected), leaving the caret after it.
  virtual void insertText(const QString& text) = 0;
  // Deletes the character before the caret; false, deleting nothing, at the start.
  virtual bool deleteBeforeCaret() = 0;
  // The Enter key, as if typed in the box.
  virtual void sendEnter() = 0;
  // Gives the box the focus, bringing its window forward, without selecting its text,
  // so that the caret stays where the user types.
  virtual void takeFocus() = 0;
};

}  // namespace text
