// The limits of the gear fields, each named once: the checks, the messages, the dialog and
// the tool all read them from here. No platform types.
#pragma once

const int kMaxToothCount = 9999;
const int kMaxInvoluteDivisions = 100;
const int kMaxFilletDivisions = 70;
// Bound on the magnitude of a module or coefficient: keeps every value readable back from
// the 79 characters of its dialog box and every printed coordinate a plain number.
const double kMaxMagnitude = 1000000.0;
// The pressure angle lies strictly between 0 and a right angle, in degrees.
const double kRightAngleDeg = 90.0;
