#include "shell/technical_data.h"

#include <string>
#include <string_view>

#include "numeric/failure.h"
#include "shell/input_check.h"
#include "shell/programme_menu.h"
#include "shell/technical_data_list.h"

namespace shell {

namespace {

// The boxes the list reads.
constexpr std::string_view kBoxesRead[] = {"txtLAT", "txtLON", "txtDecl", "txtReclinZ",
                                           "txtStilo", "TxtFuso", "txtlineofdeclination"};

// Why the list cannot use what a box the checked programme reads holds, or "" when it can: what
// Run would refuse in that box (a text that is no number, a latitude beyond the pole, a style of
// no length, a number beyond the arithmetic of any dial). A box may have been changed since the
// run: the list reads what it holds now, and refuses it, naming it, before any line is written.
// A box the programme greys out is not refused, since the user cannot edit it there: the
// reclination is not read (the plane is the programme's vertical wall), and the lines that need
// the zone or the declination line are left out when those boxes hold nothing the list can use
// (DataList::usable).
std::string unusableBox(const Context& ctx) {
    const InputRecord& in = ctx.inputs;
    const std::string_view programme[] = {currentProgramme(in)};
    for (std::string_view box : kBoxesRead) {
        if (!runReads(ctx, box)) continue;
        if (std::string why = numberRefusal(in, box, programme); !why.empty())
            return "The technical data were not listed: " + why + " Please check the inputs.";
    }
    return {};
}

constexpr const char* kListStopped =
    "The list of technical data stops where it is: the inputs lead to a value it cannot "
    "compute. Please check the inputs, and run the programme again before asking for the data.";

}  // namespace

// The list is written line by line in a fixed order. A box whose number the list cannot use
// is named before any line is written; a numerical failure in one of its formulas ends the list
// at that line, with a message: what was written stays on the surface, and the application goes
// on.
void cmdData_Click(Context& ctx) {
    if (const std::string refusal = unusableBox(ctx); !refusal.empty()) {
        ctx.services.messageBox(refusal);
        return;
    }
    try {
        technical_data::DataList list(ctx);
        technical_data::prepare(list);
        technical_data::writePlaceAndStyle(list);
        if (list.styleProgramme()) technical_data::writeEquivalentVertical(list);
        technical_data::writeSun(list);
    } catch (const numeric::NumericFailure&) {
        ctx.services.messageBox(kListStopped);
    }
}

}  // namespace shell
