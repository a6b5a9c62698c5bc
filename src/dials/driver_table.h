#pragma once
// The real drivers, as Run dispatches to them.

#include "shell/run_dispatch.h"

namespace dials {

shell::DriverTable allDrivers();

}  // namespace dials
