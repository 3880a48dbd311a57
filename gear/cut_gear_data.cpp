#include "gear/cut_gear_data.h"

#include "gear/ring_data.h"
#include "gear/shaper_form_circle.h"

bool CutPinDiameterAccepted(const GearParameters& p, const GearCut& cut, double pinDiameter) {
    return cut.internal ? RingPinDiameterAccepted(p, pinDiameter)
                        : PinDiameterAccepted(p, pinDiameter);
}

bool CutSpanTeethAccepted(const GearParameters& p, const GearCut& cut, int spanTeeth) {
    // A caliper cannot span the teeth of a ring.
    return !cut.internal && SpanTeethAccepted(p, spanTeeth);
}

void ComputeCutGearData(const GearParameters& p, const GearCut& cut, double pinDiameter,
                        int spanTeeth, GearData* data) {
    if (cut.internal) {
        ComputeRingData(p, ShaperSetupOf(p, cut), pinDiameter, data);
        return;
    }
    ComputeGearData(p, pinDiameter, spanTeeth, data);
    if (cut.cutter == kShaperCutter) {
        // The shaper's root is the envelope of its tip circle, and its fillet meets the
        // involute where its own line of action says.
        const ShaperCutting c = ComputeShaperCutting(p, ShaperSetupOf(p, cut));
        data->rootDiameter = 2 * c.rootRadius;
        data->formDiameter = ShaperFormDiameter(c);
        data->undercut = c.transitionDistance < 0;
    }
}
