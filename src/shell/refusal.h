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
inline constexpr std::string_view kMissingInputsRefusal =
    "Immettere Longitudine,latitudine,Declinazione e Ortostilo !!";

// Shows text in a message box when condition holds; returns condition.
inline bool refuse(Context& ctx, bool condition, std::string_view text) {
    if (condition) ctx.services.messageBox(std::string(text));
    return condition;
}

// Refuses with kMissingInputsRefusal a run whose latitude box was left empty (only blanks).
inline bool refuseBlankLatitude(Context& ctx) {
    const std::string& latitude = ctx.inputs.text("txtLAT");
    return refuse(ctx, latitude.find_first_not_of(' ') == std::string::npos,
                  kMissingInputsRefusal);
}

}  // namespace shell
