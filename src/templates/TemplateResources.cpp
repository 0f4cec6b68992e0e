// The template database files are carried as resources of this library:
// ":/templates/main.dat", ":/templates/inventory.dat", ":/templates/dictionary.dat".
#include <QtGlobal>

namespace templates {
// Referenced so that the linker keeps the library (and its resources) in every program.
int templateResourcesLinked() { return 1; }
}  // namespace templates
