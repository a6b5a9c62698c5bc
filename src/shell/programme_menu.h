#pragma once
// The programme menu "Types of sundials": choosing an item checks it alone, relabels three
// captions and enables exactly the inputs that programme uses. Nothing else changes: no text,
// tick or option selection.

#include <string_view>

#include "shell/input_record.h"

namespace shell {

// Chooses the item of that name, as its click does; std::out_of_range for a name that is no
// item.
void chooseProgramme(InputRecord& inputs, std::string_view menuItem);

// The first checked item in menu order, or "" when none is checked.
std::string_view currentProgramme(const InputRecord& inputs);

// Whether choosing the item enables the control, that is whether that programme reads it.
// Controls the menu leaves alone (enabled for every programme) give true.
bool programmeEnables(std::string_view menuItem, std::string_view control);

}  // namespace shell
