#pragma once
// The options object: the plot background and the colour mode, in memory for the process only.

#include "numeric/palette.h"

namespace shell {

class clsOptions {
public:
    numeric::Colour IXBackColor = 0;   // black 0 or white rgb(255, 255, 255)
    bool IXMultiColor = true;          // multi-colour (true) or monochrome drawing
};

}  // namespace shell
