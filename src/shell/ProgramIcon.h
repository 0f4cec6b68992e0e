// The program's icon in the caption bars: a blue square with the character 方.
#pragma once

#include <QIcon>

namespace shell {

QIcon programIcon();

}  // namespace shell
