// Refused gear data put into words: the sentence of the broken rule with the field named
// in it and the limit it must respect, in either language, from the catalogue. The data
// dialog shows it under a head naming the field; the tool prints it naming its option.
// No platform types.
#pragma once

#include <cstddef>

#include "gear/gear_problem.h"
#include "ui/catalogue.h"

// The label of a field as the data dialog shows it.
const char* GearFieldLabel(GearField field, Language language);

// The rule's sentence with the field called fieldName. Always zero-terminated.
void FormatRuleSentence(const ParameterProblem& problem, Language language, const char* fieldName,
                        char* text, size_t size);

// The data dialog's message: the head naming the field, then the rule's sentence.
void FormatParameterMessage(const ParameterProblem& problem, Language language, char* text,
                            size_t size);

// Formats a catalogue text that names a field (%s) and up to two limits (doubles).
void FormatFieldText(TextId id, Language language, const char* fieldName, double first,
                     double second, char* text, size_t size);
