// The program's name, version and contact addresses, as the caption and the about
// display show them.
#pragma once

#define PROGRAM_TITLE "Odontra - Involute Gear Tooth Profile Drawing Program V1.0"
#define PROGRAM_RELEASE "December 2026"
#define CONTACT_ADDRESS "https://odontra.example.org"
#define WINDOW_CAPTION PROGRAM_TITLE " ----- " CONTACT_ADDRESS
#define WINDOW_CLASS_NAME "Involute Tooth Profile"
