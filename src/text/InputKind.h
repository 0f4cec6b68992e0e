// Input kinds: what a text box holds, which names the usage counter of the stroke pad's
// dictionary by which its candidates are ranked and its picks are counted.
#pragma once

#include <QString>

#include <optional>

namespace text {

// One per usage-counter column of [输入法编码].
enum class InputKind { Drug, Name, Diagnosis, Address, Symptom, Frequency };

// The kind's name, as InputTargetKind holds it and as its counter column is named:
// "药物", "姓名", "诊断", "地址", "症状", "词频".
QString inputKindName(InputKind kind);

// The kind an InputTargetKind value names. An empty value reads as "词频"; any other
// text is no kind (nullopt) and must never reach a statement.
std::optional<InputKind> parseInputKind(const QString& name);

}  // namespace text
