#include <string_view>

#include "dials/vertical2d/vertical2d.h"
#include "plot/user_services.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::vertical2d {

namespace {

// Only blanks: the latitude box was left empty.
bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

void RunVertical2D(shell::Context& ctx) {
    if (shell::refuse(ctx, isBlank(ctx.inputs.text("txtLAT")),
                      "Immettere Longitudine,latitudine,Declinazione e Ortostilo !!"))
        return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Vertical dial by 2D analytic geometry");
    shell::ReadPlaceAndWallInputs(ctx);
}

}  // namespace dials::vertical2d
