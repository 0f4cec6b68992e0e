// The infusion card text: groups whose usage line names an injection or infusion route.
#include "prescription/service/InfusionCardText.h"

#include <gtest/gtest.h>

namespace {

TEST(InfusionCardText, TakesTheGroupsWhoseUsageLineNamesARoute) {
  struct Case {
    const char* what;
    QString prescription;
    QString card;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"a route group with its blanks kept",
       "0.9%氯化钠注射液 250ml\r\n  青霉素钠 160万U\r\n    用法：静脉滴注  每日1次\r\n\r\n",
       "0.9%氯化钠注射液 250ml\r\n  青霉素钠 160万U\r\n    用法：静脉滴注  每日1次\r\n"},
      {"a group without a route is dropped and does not carry over",
       "阿莫西林胶囊 0.5g\r\n    用法：口服 每日3次\r\n\r\n维生素C注射液 2g\r\n    用法：静滴\r\n",
       "维生素C注射液 2g\r\n    用法：静滴\r\n"},
      {"sig in any case; q8h names a route through H", "头孢曲松 1g\r\nSiG: q8h\r\n", "头孢曲松 1g\r\nSiG: q8h\r\n"},
      {"im matches inside a word", "胰岛素\r\nsig: one time\r\n", "胰岛素\r\nsig: one time\r\n"},
      {"a group goes on once however many routes its usage line names",
       "A\r\n    用法：iv ivgtt 静滴 肌注\r\n", "A\r\n    用法：iv ivgtt 静滴 肌注\r\n"},
      {"blank lines are left out but do not split a group", "A\r\n\r\n   \r\nB\r\n    用法：肌注\r\n",
       "A\r\nB\r\n    用法：肌注\r\n"},
      {"a usage line right after another brings only itself",
       "A\r\n    用法：静滴\r\n    用法：皮试\r\n", "A\r\n    用法：静滴\r\n    用法：皮试\r\n"},
      {"lines after the last usage line stay off", "A\r\n    用法：静滴\r\nB 静脉滴注\r\n", "A\r\n    用法：静滴\r\n"},
      {"only CR LF ends a line", "A\n    用法：静滴", "A\n    用法：静滴\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(prescription::infusionCardOf(c.prescription), c.card) << c.what;
}

}  // namespace
