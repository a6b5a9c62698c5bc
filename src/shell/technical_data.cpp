#include "shell/technical_data.h"

#include "numeric/failure.h"
#include "shell/technical_data_list.h"

namespace shell {

// The list is written line by line in a fixed order. A numerical failure in one of its
// formulas (a zero denominator or an arc sine beyond +-1 for a special plane) ends the list at
// that line: what was written stays on the surface, and the application goes on.
void cmdData_Click(Context& ctx) {
    try {
        technical_data::DataList list(ctx);
        technical_data::prepare(list);
        technical_data::writePlaceAndStyle(list);
        if (list.styleProgramme() && !technical_data::writeEquivalentVertical(list)) return;
        technical_data::writeSun(list);
    } catch (const numeric::NumericFailure&) {
        // Contained: the list simply stops.
    }
}

}  // namespace shell
