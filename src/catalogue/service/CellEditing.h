// What the catalogue grid does with a cell as it is typed into: the characters each
// column replaces, the name's brackets, the defaults of a new row, the pick lists that
// open under a cell, the palette's words, Enter's walk along the row and the selling
// price proposed from the purchase price.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace catalogue {

// A cell's text with the characters its column replaces: "*" by "×" and "。" by "." in
// 常用量; "。" by "." in 售价, 进价 and 库存量; the other columns unchanged. Each
// replacement swaps one character for one, so the caret keeps its place.
QString replacedInColumn(int column, const QString& text);

// A typed name with its strength or pack size in brackets: "（" "）" "(" ")" become "[" "]".
QString nameWithBrackets(const QString& name);

// The category cell of a row begun under the button: its caption, "西成药" under 全部西药.
QString newRowCategory(int button);

// The pick lists that open under a cell.
enum class PickList { None, Usage /* List1 */, Unit /* List3 */, Category /* List4 */ };

// The list that the cell of `column` opens under the button; None when it opens none.
PickList pickListFor(int column, int button);
// The units offered under the button: herbal units under 中药, drug units under the
// western buttons, none under 收费项目 and 用法.
QStringList unitChoices(int button);
// The usage phrases of List1, in their order.
const QStringList& usagePhrases();
// The palette's labels from left to right: twenty words and two empty gaps.
const QStringList& paletteWords();

// The cell that Enter moves to from `column`, along the row in screen order (进价 stands
// before 售价); -1 from 斗位 and ID号, where Enter does nothing.
int enterTarget(int column);

// The selling price proposed when the 售价 cell is entered: purchase price × ratio in
// "0.000" form, when both are numbers other than 0 and the selling price reads 0 (empty,
// zero, or not beginning with a number). nullopt leaves the cell alone.
std::optional<QString> proposedSellingPrice(const QString& purchasePrice, const QString& ratio,
                                            const QString& sellingPrice);

}  // namespace catalogue
