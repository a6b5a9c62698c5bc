// expects: dials/flat3d may not include dials/vertical2d
#include "dials/sky_lines/../vertical2d/wall_frame.h"
