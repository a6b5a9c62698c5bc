// expects: geometry may not include shell
#include "geometry/../shell/module1.h"
