// expects: geometry may not include shell
# include "../shell/module1.h"
