// Loading a saved prescription into the window: the record of a serial, its grid
// unpacked, the caption and layout its record type asks for.
#pragma once

#include "store/KeptConnection.h"

#include "prescription/service/PrescriptionRecord.h"

#include <QString>

namespace prescription {

inline const QString kRecordGoneMessage = QStringLiteral("该处方已不存在（可能已被删除），请重新查询！");

struct LoadOutcome {
  enum class Result {
    Loaded,
    Gone,    // no record with that serial any more: deleted since the list was shown
    Failed,  // the data file could not be read
  };
  Result result = Result::Failed;
  QString message;  // the "提示" text when not loaded
  // The stored record, its visit date as "yyyy-mm-dd" whatever time part was stored.
  PrescriptionRecord record;
  // The caption over the prescription: "中" shows as "中医", "西" as "普通".
  QString modeCaption;
  // The herbal layout is chosen by the stored type itself being "中医".
  bool herbalLayout = false;

  bool loaded() const { return result == Result::Loaded; }
};

QString modeCaption(const QString& kind);

class PrescriptionLoad {
 public:
  explicit PrescriptionLoad(QString mainDbPath) : main_(std::move(mainDbPath), store::Database::Mode::ReadOnly) {}
  explicit PrescriptionLoad(store::KeptConnection& main) : main_(main) {}
  LoadOutcome load(const QString& serial) const;

 private:
  store::Connection main_;
};

}  // namespace prescription
