#include "numeric/palette.h"

#include "numeric/failure.h"

namespace numeric {

Colour qbColor(int index) {
    static constexpr Colour colours[16] = {
        rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),     rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128),   rgb(128, 128, 0),   rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),     rgb(0, 255, 0),     rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(255, 255, 255),
    };
    if (index < 0 || index > 15) fail(FailureKind::OutOfDomain);
    return colours[index];
}

}  // namespace numeric
