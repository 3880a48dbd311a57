// Writing a drawing script for given gear data into a string, for the script tests.
#pragma once

#include <cstddef>
#include <string>

#include "gear/gear_parameters.h"

// An output target that appends to the std::string it is given.
bool AppendToString(void* target, const char* bytes, size_t count);

// The script text of the gear p, centred on the origin.
std::string ScriptTextOf(const GearParameters& p);

// The number of CR LF ended lines in text.
int CountLines(const std::string& text);

std::string ReadWholeFile(const std::string& path);
