#include "win32/outline_setting.h"

#include <cstdio>
#include <cstring>

#include "ui/number_reading.h"
#include "win32/settings.h"

static const wchar_t kStyleSetting[] = L"Outline";
static const wchar_t kToleranceSetting[] = L"OutlineTolerance";

static OutlineSetting ReadOutlineSetting() {
    OutlineSetting setting = {kOutlineFitted, false, 0};
    char value[64];
    if (ReadSetting(kStyleSetting, value, sizeof value) && strcmp(value, "divided") == 0) {
        setting.style = kOutlineDivided;
    }
    double tolerance = 0;
    if (ReadSetting(kToleranceSetting, value, sizeof value) &&
        ReadWholeRealText(value, &tolerance) && tolerance > 0) {
        setting.toleranceTyped = true;
        setting.tolerance = tolerance;
    }
    return setting;
}

static bool loaded = false;
static OutlineSetting current;

OutlineSetting CurrentOutlineSetting() {
    if (!loaded) {
        current = ReadOutlineSetting();
        loaded = true;
    }
    return current;
}

void ChooseOutlineSetting(const OutlineSetting& setting) {
    current = setting;
    loaded = true;
    WriteSetting(kStyleSetting, setting.style == kOutlineDivided ? "divided" : "fitted");
    // Seventeen digits: the very length typed comes back.
    char value[64] = "";
    if (setting.toleranceTyped) {
        snprintf(value, sizeof value, "%.17g", setting.tolerance);
    }
    WriteSetting(kToleranceSetting, value);
}

OutlineChoice OutlineChoiceFor(const OutlineSetting& setting, const GearParameters& p) {
    OutlineChoice choice = DefaultOutlineChoice(p);
    choice.style = setting.style;
    if (setting.toleranceTyped) {
        choice.tolerance = setting.tolerance;
    }
    return choice;
}
