#include "text/InputKind.h"

#include <array>
#include <utility>

namespace text {
namespace {

const std::array<std::pair<InputKind, QString>, 6>& kindNames() {
  static const std::array<std::pair<InputKind, QString>, 6> names = {{
      {InputKind::Drug, QStringLiteral("药物")},
      {InputKind::Name, QStringLiteral("姓名")},
      {InputKind::Diagnosis, QStringLiteral("诊断")},
      {InputKind::Address, QStringLiteral("地址")},
      {InputKind::Symptom, QStringLiteral("症状")},
      {InputKind::Frequency, QStringLiteral("词频")},
  }};
  return names;
}

}  // namespace

QString inputKindName(InputKind kind) {
  for (const auto& [k, name] : kindNames())
    if (k == kind) return name;
  return QString();
}

std::optional<InputKind> parseInputKind(const QString& name) {
  if (name.isEmpty()) return InputKind::Frequency;
  for (const auto& [kind, known] : kindNames())
    if (known == name) return kind;
  return std::nullopt;
}

}  // namespace text
