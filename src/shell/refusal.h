#pragma once
// The drivers' refusals: a message box with a fixed text, after which the driver returns
// without drawing and without touching the cursor.

#include <string>
#include <string_view>

#include "shell/context.h"

namespace shell {

inline constexpr std::string_view kSouthernHemisphereRefusal =
    "Sorry, unable to work in the Southern hemisphere ";
inline constexpr std::string_view kEquatorRefusal = "Sorry, unable to work at the equator ";

// Shows text in a message box when condition holds; returns condition.
inline bool refuse(Context& ctx, bool condition, std::string_view text) {
    if (condition) ctx.services.messageBox(std::string(text));
    return condition;
}

}  // namespace shell
