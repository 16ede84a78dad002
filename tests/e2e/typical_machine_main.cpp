// The desktop program on a scripted typical machine (two modules in four sockets), for
// screenshots that show every field filled. Otherwise the same as quarvel.
#include <string>

#include "app/retailer_host.h"
#include "platform/qt/qt_toolkit.h"
#include "tests/inventory/typical_machine.h"
#include "windows/quarvel_windows.h"

int main(int /*argc*/, char** argv) {
    quarvel::qt::QtToolkit toolkit(argv[0]);
    quarvel::testing::ScriptedManagementSource source = quarvel::testing::typicalMachine();
    return quarvel::runQuarvel(toolkit, {source, std::string(quarvel::kRetailerHost)});
}
