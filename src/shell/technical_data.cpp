#include "shell/technical_data.h"

namespace shell {

// Filled in with the list itself.
void cmdData_Click(Context&) {}

}  // namespace shell
