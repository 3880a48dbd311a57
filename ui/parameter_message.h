// The Korean message the data input dialog shows for a refused value: the field's label,
// the rule and the allowed range. Narrow strings in the build's execution character set
// (code page 949 in the Windows program). No platform types.
#pragma once

#include <cstddef>

#include "gear/parameter_check.h"

// The label of a field as the data input dialog shows it.
const char* GearFieldLabel(GearField field);

// Writes the message for problem into text (always zero-terminated).
void FormatParameterMessage(const ParameterProblem& problem, char* text, size_t size);
