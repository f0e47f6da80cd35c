#pragma once
#include <string>

namespace calvorin::app {

// The folder of the running program file, without a trailing "\".
std::string programFolder();

} // namespace calvorin::app
