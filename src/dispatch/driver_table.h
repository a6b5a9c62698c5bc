#pragma once
// The real drivers, as Run dispatches to them.

#include "shell/run_dispatch.h"

namespace dispatch {

shell::DriverTable allDrivers();

}  // namespace dispatch
