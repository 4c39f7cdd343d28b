#include "runtime/platform/arguments.h"

std::vector<std::string> PlatformArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}
