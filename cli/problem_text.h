// The English line the involute tool prints for gear data the check refuses.
#pragma once

#include <cstddef>

#include "gear/parameter_check.h"

void FormatProblemLine(const ParameterProblem& problem, char* text, size_t size);
