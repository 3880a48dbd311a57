// Dialog 104 and the script file: what the person types, the notice, the file on disk.
#include <string>

#include "tests/e2e/e2e_driver.h"

void RunScriptScenarios(const E2eSetting&) {}
