#include "cli/problem_text.h"

#include <cstdio>

#include "cli/cli_options.h"
#include "ui/parameter_message.h"

void FormatProblemLine(const ParameterProblem& problem, char* text, size_t size) {
    const int head = snprintf(text, size, "involute: ");
    if (head < 0 || static_cast<size_t>(head) >= size) {
        return;
    }
    FormatRuleSentence(problem, kEnglish, OptionOfField(problem.field), text + head, size - head);
    // The sentences of the dialog break their lines; the tool's message is one line.
    for (char* c = text; *c != '\0'; c++) {
        if (*c == '\n') {
            *c = ' ';
        }
    }
}
