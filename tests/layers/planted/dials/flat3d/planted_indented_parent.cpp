// expects: dials/flat3d may not include dials/vertical2d
    #include "../vertical2d/wall_frame.h"
