#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "formats/gear_report_text.h"
#include "gear/ring_data.h"

namespace {

std::string ReportOf(const GearData& data, Language language, const char* lineEnd = "\n") {
    static char text[8192];
    FormatGearReport(data, language, lineEnd, text, sizeof text);
    return text;
}

std::string JsonOf(const GearData& data) {
    static char text[8192];
    FormatGearReportJson(data, text, sizeof text);
    return text;
}

// The reports of external gears, both languages and the JSON, with and without undercut, a
// given pin and a given k, hashed (FNV-1a) as the program wrote them before rings had data.
TEST(GearReport, AnExternalGearsReportIsByteForByteAsBefore) {
    const struct {
        int z;
        double x, pin;
        int k;
    } gears[] = {{24, 0, 0, 0}, {12, 0, 0, 0}, {8, 0.5, 2.9, 0}, {20, 0, 0, 9}};
    std::string all;
    for (const auto& g : gears) {
        GearParameters p = DefaultGearParameters();
        p.toothCount = g.z;
        p.profileShiftCoef = g.x;
        GearData data;
        ComputeGearData(p, g.pin, g.k, &data);
        all += ReportOf(data, kKorean) + ReportOf(data, kEnglish, "\r\n") + JsonOf(data);
    }
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : all) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    EXPECT_EQ(all.size(), 9316u);
    EXPECT_EQ(hash, 0xbb680bf8472505acull);
}

// The ring of 50 teeth, module 2, cut by 25 teeth, with its default pin.
TEST(RingReport, NamesTheDimensionBetweenPinsAndSaysWhatDoesNotApply) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 50;
    ShaperSetup setup = {true, 25, 0, 0};
    setup.rimDiameter = DefaultRimDiameter(p, setup);
    GearData data;
    ComputeRingData(p, setup, 0, &data);
    const std::string english = ReportOf(data, kEnglish);
    for (const char* line : {"\nBase tangent length           Wk   not applicable\n",
                             "\nDimension between pins        Md          95.6135 mm\n",
                             "\nUndercut                           not applicable\n"}) {
        EXPECT_NE(english.find(line), std::string::npos) << line << english;
    }
    const std::string korean = ReportOf(data, kKorean);
    EXPECT_NE(korean.find("\n비트윈핀 치수 Md\t95.6135 mm\n언더컷\t해당 없음\n"), std::string::npos)
        << korean;
    const std::string json = JsonOf(data);
    EXPECT_NE(json.find("\"span_teeth\": null,\n  \"span\": null,\n  \"pin_diameter\": 3.306,\n"
                        "  \"over_pins\": null,\n  \"between_pins\": 95.613501039930"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"undercut\": null,\n  \"min_shift_without_undercut\": null,\n"
                        "  \"min_teeth_without_undercut\": null,\n  \"warnings\": []\n}\n"),
              std::string::npos)
        << json;
}

}  // namespace
