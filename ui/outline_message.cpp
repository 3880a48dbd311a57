#include "ui/outline_message.h"

#include <cstdio>

#include "gear/fitted_flank.h"
#include "gear/outline_choice.h"
#include "ui/parameter_message.h"

void FormatToleranceRefusal(const GearParameters& p, Language language, char* text, size_t size) {
    const char* label = Text(kTextOutlineTolerance, language);
    const int head = snprintf(text, size, Text(kTextRefusalHead, language), label);
    if (head < 0 || static_cast<size_t>(head) >= size) {
        return;
    }
    char named[256];
    snprintf(named, sizeof named, Text(kTextFieldInSentence, language), label);
    FormatFieldText(kTextRuleOutlineTolerance, language, named, LeastFitTolerance(p),
                    CoarsestFitTolerance(p), text + head, size - head);
}
