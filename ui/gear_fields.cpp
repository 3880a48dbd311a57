#include "ui/gear_fields.h"

#include "gear/gear_limits.h"
#include "ui/resource.h"

const GearFieldRow kGearFields[kGearFieldCount] = {
    {kFieldToothCount, kWholeField, &GearParameters::toothCount, nullptr, 1, kEndIncluded,
     kMaxToothCount, kEndIncluded, kTextFieldToothCount, "", "--teeth", nullptr, IDC_LABEL_TEETH,
     IDC_TEETH, "%d"},
    {kFieldModule, kRealField, nullptr, &GearParameters::module, 0, kEndExcluded, kMaxMagnitude,
     kEndIncluded, kTextFieldModule, " in drawing units", "--module", nullptr, IDC_LABEL_MODULE,
     IDC_MODULE, "%7.4f"},
    {kFieldPressureAngle, kRealField, nullptr, &GearParameters::pressureAngleDeg, 0, kEndExcluded,
     kRightAngleDeg, kEndExcluded, kTextFieldPressureAngle, " in degrees", "--pressure-angle",
     nullptr, IDC_LABEL_PRESSURE_ANGLE, IDC_PRESSURE_ANGLE, "%7.4f"},
    {kFieldProfileShift, kRealField, nullptr, &GearParameters::profileShiftCoef, -kMaxMagnitude,
     kEndIncluded, kMaxMagnitude, kEndIncluded, kTextFieldProfileShift, "", "--shift", nullptr,
     IDC_LABEL_PROFILE_SHIFT, IDC_PROFILE_SHIFT, "%7.4f"},
    {kFieldAddendum, kRealField, nullptr, &GearParameters::addendumCoef, -kMaxMagnitude,
     kEndIncluded, kMaxMagnitude, kEndIncluded, kTextFieldAddendum, "", "--addendum", nullptr,
     IDC_LABEL_ADDENDUM, IDC_ADDENDUM, "%7.4f"},
    {kFieldDedendum, kRealField, nullptr, &GearParameters::dedendumCoef, -kMaxMagnitude,
     kEndIncluded, kMaxMagnitude, kEndIncluded, kTextFieldDedendum, "", "--dedendum", nullptr,
     IDC_LABEL_DEDENDUM, IDC_DEDENDUM, "%7.4f"},
    {kFieldToolTipRadius, kRealField, nullptr, &GearParameters::toolTipRadiusCoef, 0, kEndIncluded,
     kMaxMagnitude, kEndIncluded, kTextFieldCutterTipRadius, "", "--cutter-tip-radius",
     "--tip-radius", IDC_LABEL_TOOL_TIP_RADIUS, IDC_TOOL_TIP_RADIUS, "%7.4f"},
    {kFieldInvoluteDivisions, kWholeField, &GearParameters::involuteDivisions, nullptr, 1,
     kEndIncluded, kMaxInvoluteDivisions, kEndIncluded, kTextFieldInvoluteDivisions, "",
     "--involute-divisions", nullptr, IDC_LABEL_INVOLUTE_DIVISIONS, IDC_INVOLUTE_DIVISIONS, "%d"},
    {kFieldFilletDivisions, kWholeField, &GearParameters::filletDivisions, nullptr, 1, kEndIncluded,
     kMaxFilletDivisions, kEndIncluded, kTextFieldFilletDivisions, "", "--fillet-divisions",
     nullptr, IDC_LABEL_FILLET_DIVISIONS, IDC_FILLET_DIVISIONS, "%d"},
};

const GearFieldRow kCutFields[kCutFieldCount] = {
    {kFieldCutterTeeth, kWholeField, nullptr, nullptr, 1, kEndIncluded, kMaxToothCount,
     kEndIncluded, kTextFieldCutterTeeth, "", "--cutter-teeth", nullptr, IDC_CUT_LABEL_TEETH,
     IDC_CUT_TEETH, "%d"},
    {kFieldCutterShift, kRealField, nullptr, nullptr, -kMaxMagnitude, kEndIncluded, kMaxMagnitude,
     kEndIncluded, kTextFieldCutterShift, "", "--cutter-shift", nullptr, IDC_CUT_LABEL_SHIFT,
     IDC_CUT_SHIFT, "%7.4f"},
    {kFieldRimDiameter, kRealField, nullptr, nullptr, 0, kEndExcluded, kMaxMagnitude, kEndIncluded,
     kTextFieldRimDiameter, " in drawing units", "--rim-diameter", nullptr, IDC_CUT_LABEL_RIM,
     IDC_CUT_RIM, "%.4f"},
};

const GearFieldRow& GearFieldRowOf(GearField field) {
    for (const GearFieldRow& row : kGearFields) {
        if (row.field == field) {
            return row;
        }
    }
    for (const GearFieldRow& row : kCutFields) {
        if (row.field == field) {
            return row;
        }
    }
    return kGearFields[0];
}

double GearFieldValue(const GearFieldRow& row, const GearParameters& p) {
    return row.kind == kWholeField ? p.*row.whole : p.*row.real;
}

void SetGearFieldValue(const GearFieldRow& row, double value, GearParameters* p) {
    if (row.kind == kWholeField) {
        p->*row.whole = static_cast<int>(value);
    } else {
        p->*row.real = value;
    }
}
