// The script's numbers: PutFixed against C's "%f", over many seeded random doubles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "output/output_sink.h"
#include "tests/unit/script_test_support.h"

namespace {

std::string FixedText(double v) {
    std::string text;
    static OutputSink sink;
    OpenSink(&sink, AppendToString, &text);
    PutFixed(&sink, v);
    return CloseSink(&sink) ? text : "(failed)";
}

std::string PrintfText(double v) {
    char text[400];
    snprintf(text, sizeof text, "%f", v);
    return text;
}

// The kinds of number a script can hold, and the ones where rounding is easiest to get
// wrong: decimal ties as near as a double gets to them, exact binary ties (odd multiples
// of 1/128 end in 5 at the seventh decimal), values that round to a signed zero, and
// doubles of any bit pattern up to the largest.
double DrawNumber(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double sign = random() % 2 == 0 ? 1.0 : -1.0;
    switch (random() % 6) {
        case 0:
            return sign * unit(random) * std::pow(10.0, static_cast<int>(random() % 22) - 12);
        case 1: {
            const double tie = (2.0 * static_cast<double>(random() % 20000000) + 1) * 5e-7;
            return sign * std::nextafter(tie, random() % 2 == 0 ? 0.0 : 1e9);
        }
        case 2:
            return sign * (2.0 * static_cast<double>(random() % 1000000000) + 1) / 128;
        case 3:
            return sign * unit(random) * 1e-6;
        case 4: {
            uint64_t bits = random();
            double v;
            memcpy(&v, &bits, sizeof v);
            return std::isfinite(v) ? v : 0.0;
        }
        default:
            return sign * std::round(unit(random) * 1e7) / 1e6;
    }
}

TEST(ScriptNumbers, FormatLikePrintfFixedForManyRandomDoubles) {
    std::mt19937_64 random(20240607);
    EXPECT_EQ(FixedText(-0.0), "-0.000000");
    EXPECT_EQ(FixedText(0.0000005), PrintfText(0.0000005));
    EXPECT_EQ(FixedText(0.0078125), "0.007812");  // an exact tie rounds to even
    EXPECT_EQ(FixedText(std::numeric_limits<double>::max()),
              PrintfText(std::numeric_limits<double>::max()));
    int differing = 0;
    for (int n = 0; n < 200000 && differing < 10; n++) {
        const double v = DrawNumber(random);
        const std::string fixed = FixedText(v);
        const std::string printed = PrintfText(v);
        if (fixed != printed) {
            differing++;
            char exact[40];
            snprintf(exact, sizeof exact, "%.17g", v);
            ADD_FAILURE() << exact << " gives " << fixed << ", printf " << printed;
        }
    }
}

TEST(ScriptNumbers, NotANumberIsNeverWrittenAndFailsTheSink) {
    const double values[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double v : values) {
        std::string text;
        static OutputSink sink;
        OpenSink(&sink, AppendToString, &text);
        PutText(&sink, "x ");
        PutFixed(&sink, v);
        EXPECT_FALSE(CloseSink(&sink));
        EXPECT_EQ(text.find_first_of("ni"), std::string::npos) << text;
    }
}

}  // namespace
