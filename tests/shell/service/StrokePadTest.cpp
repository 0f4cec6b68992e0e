// The stroke pad's input flow on a small dictionary and a text box double: radical
// narrowing and backspace, which character rows show, the pick, the keys, failures.
#include "shell/service/DictionaryFixture.h"
#include "shell/service/StrokePad.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using shell::StrokePad;
using testing_support::FakeTarget;
using testing_support::TempFolder;

constexpr int kHorizontal = 1;  // 一
constexpr int kVertical = 2;    // 丨
constexpr int kDot = 4;         // 丶

class StrokePadTest : public ::testing::Test {
 protected:
  void SetUp() override { pad.refresh(); }

  qint64 counter(const QString& character, text::InputKind kind) {
    return shell::StrokeDictionary(path).counter(character, kind).value_or(-1);
  }
  int slotOf(const QString& character) const { return pad.view().characters.indexOf(character); }

  TempFolder folder;
  QString path = testing_support::writeSmallDictionary(folder);
  StrokePad pad{shell::StrokeDictionary(path)};
  FakeTarget target;
};

TEST_F(StrokePadTest, ARadicalNarrowsToTheRestOfTheCharacterAndBackspaceUndoesStepByStep) {
  target.text = "阿莫";
  target.caret = 2;
  ASSERT_TRUE(pad.pickRadical(pad.view().radicals.indexOf("扌")));
  pad.typeStroke(kHorizontal);
  pad.typeStroke(kVertical);
  EXPECT_EQ(pad.input(), "扌一丨");
  EXPECT_EQ(pad.view().characters, (QStringList{"打", "扛"}));

  const struct {
    const char* input;
    QStringList characters;
    bool coverRadicals;
  } steps[] = {
      {"扌一", {"打", "扛"}, true},
      {"扌", {"打", "拉", "扑", "扛"}, true},
      // the radical goes last, and the unfiltered lists come back with the radical row
      {"", {"的", "一", "十", "土", "打", "拉", "扑", "扛", "白", "刊", "玎", "永"}, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.input);
    pad.backspace(&target);
    EXPECT_EQ(pad.input(), QString::fromUtf8(step.input));
    EXPECT_EQ(pad.view().characters, step.characters);
    EXPECT_EQ(pad.view().charactersCoverRadicals, step.coverRadicals);
  }
  EXPECT_EQ(target.text, "阿莫");  // nothing of the box was deleted while the pad held input
}

TEST_F(StrokePadTest, TheLastCharacterRowHidesWhileRadicalsShowAndNoneIsChosen) {
  const struct {
    const char* what;
    std::vector<int> strokes;
    const char* radical;
    int visible;
  } cases[] = {
      {"nothing typed", {}, "", 28},
      {"一丨: radicals match", {kHorizontal, kVertical}, "", 28},
      {"丶: no radical matches", {kDot}, "", 42},
      {"a radical chosen", {}, "扌", 42},
      {"a radical and strokes", {kHorizontal}, "扌", 42},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    pad.clear();
    if (*c.radical) { ASSERT_TRUE(pad.pickRadical(pad.view().radicals.indexOf(c.radical))); }
    for (int s : c.strokes) pad.typeStroke(s);
    EXPECT_EQ(pad.view().visibleCharacterSlots(), c.visible);
  }
}

TEST_F(StrokePadTest, APickCountsForTheKindTypesOverTheSelectionAndClearsThePad) {
  pad.setKind("药物");
  target.text = "阿司匹林";
  target.caret = 2;
  target.selectionLength = 1;  // "匹"
  pad.typeStroke(kHorizontal);
  pad.typeStroke(kVertical);
  ASSERT_EQ(pad.view().characters, (QStringList{"扛", "拉", "打", "扑", "十", "土"}));

  EXPECT_EQ(pad.pickCharacter(slotOf("打"), &target).result, StrokePad::Pick::Typed);
  EXPECT_EQ(target.text, "阿司打林");
  EXPECT_EQ(target.caret, 3);
  EXPECT_EQ(target.focusTaken, 1);
  EXPECT_TRUE(pad.isEmpty());
  EXPECT_FALSE(pad.view().charactersCoverRadicals);
  EXPECT_EQ(counter("打", text::InputKind::Drug), 10000);
  EXPECT_EQ(counter("打", text::InputKind::Frequency), 9970);

  for (int again = 0; again < 2; ++again) {
    pad.typeStroke(kHorizontal);
    pad.typeStroke(kVertical);
    ASSERT_EQ(pad.pickCharacter(slotOf("打"), &target).result, StrokePad::Pick::Typed);
  }
  EXPECT_EQ(counter("打", text::InputKind::Drug), 10002);
  EXPECT_EQ(target.text, "阿司打打打林");
  // 打 now ranks above every character with a lower drug counter, below 扛's 10005.
  pad.typeStroke(kHorizontal);
  pad.typeStroke(kVertical);
  EXPECT_EQ(pad.view().characters, (QStringList{"扛", "打", "拉", "扑", "十", "土"}));
  // Under another kind nothing moved.
  pad.setKind("");
  pad.refresh();
  EXPECT_EQ(pad.kind(), "词频");
  EXPECT_EQ(pad.view().characters, (QStringList{"十", "土", "打", "拉", "扑", "扛"}));
}

TEST_F(StrokePadTest, AnEmptySlotOrNoTargetTypesAndCountsNothing) {
  pad.typeStroke(kDot);  // only 永
  target.text = "ab";
  target.caret = 0;
  target.selectionLength = 2;

  EXPECT_EQ(pad.pickCharacter(1, &target).result, StrokePad::Pick::EmptySlot);
  EXPECT_EQ(pad.pickCharacter(shell::kCharacterSlots - 1, &target).result, StrokePad::Pick::EmptySlot);
  EXPECT_EQ(target.text, "ab");  // the selection stays
  EXPECT_EQ(target.focusTaken, 0);
  EXPECT_EQ(pad.input(), "丶");

  FakeTarget closed;
  closed.typeable = false;
  EXPECT_EQ(pad.pickCharacter(0, &closed).result, StrokePad::Pick::NoTarget);
  EXPECT_EQ(pad.pickCharacter(0, nullptr).result, StrokePad::Pick::NoTarget);
  EXPECT_EQ(closed.text, "");
  EXPECT_EQ(pad.input(), "丶");  // the input stays for the next try
  EXPECT_EQ(counter("永", text::InputKind::Frequency), 4000);

  EXPECT_FALSE(pad.pickRadical(shell::kRadicalSlots - 1));  // an empty radical slot
  EXPECT_EQ(pad.input(), "丶");
}

TEST_F(StrokePadTest, BackspaceOnAnEmptyPadDeletesBeforeTheCaret) {
  const struct {
    const char* text;
    int caret;
    const char* after;
    int caretAfter;
    int focus;
  } cases[] = {
      {"阿莫西林", 4, "阿莫西", 3, 1},
      {"阿莫西林", 2, "阿西林", 1, 1},
      {"阿莫西林", 0, "阿莫西林", 0, 0},  // at the start nothing is deleted
      {"", 0, "", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    FakeTarget box;
    box.text = QString::fromUtf8(c.text);
    box.caret = c.caret;
    pad.backspace(&box);
    EXPECT_EQ(box.text, QString::fromUtf8(c.after));
    EXPECT_EQ(box.caret, c.caretAfter);
    EXPECT_EQ(box.focusTaken, c.focus);
  }
  pad.backspace(nullptr);  // no box: nothing happens
  EXPECT_TRUE(pad.isEmpty());
}

TEST_F(StrokePadTest, KeysAndEnterGoToTheTarget) {
  target.text = "12";
  target.caret = 2;
  EXPECT_TRUE(pad.pressKey("，", &target));
  EXPECT_TRUE(pad.pressEnter(&target));
  EXPECT_EQ(target.text, "12，");
  EXPECT_EQ(target.entersSent, 1);
  EXPECT_EQ(target.focusTaken, 2);
  EXPECT_FALSE(pad.pressKey("a", nullptr));
  EXPECT_FALSE(pad.pressEnter(nullptr));
}

TEST_F(StrokePadTest, AKindThatNamesNoCounterIsRefusedAndNeverReachesTheDictionary) {
  pad.setKind(R"(药物" DESC; DELETE FROM "输入法编码"; --)");
  pad.typeStroke(kHorizontal);
  pad.typeStroke(kVertical);
  EXPECT_EQ(pad.view().characters, (QStringList{"十", "土", "打", "拉", "扑", "扛"}));  // ranked by 词频
  EXPECT_EQ(pad.pickCharacter(slotOf("打"), &target).result, StrokePad::Pick::Typed);
  EXPECT_EQ(target.text, "打");
  for (text::InputKind kind : {text::InputKind::Drug, text::InputKind::Frequency})
    EXPECT_LT(counter("打", kind), 10000);
  EXPECT_TRUE(pad.view().reason.isEmpty());
}

TEST_F(StrokePadTest, ADictionaryThatCannotBeReadOrWrittenIsReported) {
  pad.typeStroke(kHorizontal);
  ASSERT_FALSE(pad.view().characters.isEmpty());
  ASSERT_TRUE(QFile::remove(path));

  // The character is still typed; only the count is lost, and said so.
  const StrokePad::CharacterPick pick = pad.pickCharacter(0, &target);
  EXPECT_EQ(pick.result, StrokePad::Pick::Typed);
  EXPECT_FALSE(pick.reason.isEmpty());
  EXPECT_FALSE(target.text.isEmpty());
  EXPECT_FALSE(pad.view().reason.isEmpty());  // the refresh after the pick
  EXPECT_FALSE(pad.lookUp("打").reason.isEmpty());
  EXPECT_TRUE(pad.view().characters.isEmpty());
  EXPECT_TRUE(pad.view().radicals.isEmpty());
  EXPECT_FALSE(QFile::exists(path));  // never created empty
}

}  // namespace
