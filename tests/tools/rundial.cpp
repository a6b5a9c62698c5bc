// rundial: runs one programme headless and prints what it drew (see support/rundial_lib.h).
// A test tool, built with the tests and never installed.

#include <iostream>
#include <string>
#include <vector>

#include "plot/null_device.h"
#include "support/rundial_lib.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    plot::NullDevice device;  // the tool reads the display list, not a picture
    return rundial::toolMain(args, device, std::cout, std::cerr);
}
