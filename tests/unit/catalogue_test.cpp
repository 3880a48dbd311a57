#include <gtest/gtest.h>

#include <string>

#include "gear/gear_problem.h"
#include "ui/catalogue.h"
#include "ui/outline_message.h"
#include "ui/gear_fields.h"
#include "ui/parameter_message.h"

namespace {

// The printf conversions of a text, in order: "s f f" for "%s ... %.4f ... %g".
std::string Conversions(const char* text) {
    std::string kinds;
    for (const char* c = text; *c != '\0'; c++) {
        if (*c != '%') {
            continue;
        }
        c++;
        while (*c != '\0' && std::string("-+ #0123456789.").find(*c) != std::string::npos) {
            c++;
        }
        if (*c == '%') {
            continue;
        }
        kinds += *c == 'g' ? 'f' : *c;
    }
    return kinds;
}

TEST(Catalogue, EveryTextHasBothColumnsTakingTheSameArguments) {
    for (int i = 0; i < kTextCount; i++) {
        const TextId id = static_cast<TextId>(i);
        const char* korean = Text(id, kKorean);
        const char* english = Text(id, kEnglish);
        EXPECT_STRNE(korean, "") << "Korean text of id " << i;
        EXPECT_STRNE(english, "") << "English text of id " << i;
        EXPECT_EQ(Conversions(korean), Conversions(english)) << korean << " / " << english;
        EXPECT_EQ(std::string(english).find_first_of("\x80"), std::string::npos)
            << "the English column is plain ASCII: " << english;
    }
}

TEST(Catalogue, EveryRefusalNamesTheFieldInBothLanguages) {
    for (int rule = kRuleToothCountRange; rule <= kRuleRimTooLarge; rule++) {
        for (const GearFieldRow& row : kGearFields) {
            const ParameterProblem problem = {static_cast<ParameterRule>(rule), row.field, 1.5};
            for (Language language : {kKorean, kEnglish}) {
                char text[1024];
                FormatParameterMessage(problem, language, text, sizeof text);
                const std::string label = Text(row.label, language);
                const std::string message = text;
                EXPECT_NE(message.find(label), std::string::npos) << message;
                EXPECT_NE(message.find(label, message.find("\n\n")), std::string::npos)
                    << "the rule's sentence names the field too: " << message;
            }
        }
    }
}

TEST(Catalogue, EnglishMessagesAreCompleteSentencesWithTheLimit) {
    char text[1024];
    FormatParameterMessage({kRuleToothCountRange, kFieldToothCount, 0}, kEnglish, text,
                           sizeof text);
    EXPECT_STREQ(text,
                 "The value of 'Number of teeth' cannot be accepted.\n\n'Number of teeth' must "
                 "be a whole number from 1 to 9999.");
    FormatParameterMessage({kRuleModuleTooSmall, kFieldModule, 8.45e-5}, kEnglish, text,
                           sizeof text);
    EXPECT_NE(std::string(text).find("'Module' must be at least 8.45e-05"), std::string::npos)
        << text;
}

// The settings dialog's refusal names the box and the finest tolerance the gear allows.
TEST(Catalogue, ToleranceRefusalNamesTheBoxAndTheRange) {
    GearParameters p = DefaultGearParameters();
    p.module = 5;
    char text[512];
    FormatToleranceRefusal(p, kEnglish, text, sizeof text);
    EXPECT_STREQ(text,
                 "The value of 'Tolerance' cannot be accepted.\n\n'Tolerance' must be a number "
                 "from 5e-09 to 0.05 for this gear.");
    FormatToleranceRefusal(p, kKorean, text, sizeof text);
    EXPECT_STREQ(text,
                 "'허용오차' 값을 받아들일 수 없습니다.\n\n허용오차의 값은 이 기어에서 5e-09 "
                 "이상 0.05 이하인 수여야 합니다.");
}

}  // namespace
