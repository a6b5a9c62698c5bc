// expects: dials may not include dials/flat3d
#pragma once
#include "flat3d/plane.h"
