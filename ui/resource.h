// Identifiers of the window class, the menu commands, dialogs and dialog controls, named
// once for the resource script, the program, the field table and the end-to-end tests.
// Plain numbers: no platform types.
#pragma once

#define WINDOW_CLASS_NAME "Involute Tooth Profile"

#define IDM_EXIT 40001
#define IDM_ABOUT 40003
#define IDM_DATA_INPUT 40004
#define IDM_ONE_TOOTH 40005
#define IDM_WHOLE_GEAR 40006
#define IDM_MAKE_SCRIPT 40014
#define IDM_MAKE_DXF 40015
#define IDM_MAKE_SVG 40016

#define IDD_GEAR_DATA 103
#define IDD_SCRIPT_NAME 104

#define IDC_LABEL_TEETH 1000
#define IDC_LABEL_PRESSURE_ANGLE 1001
#define IDC_LABEL_MODULE 1002
#define IDC_LABEL_PROFILE_SHIFT 1003
#define IDC_LABEL_ADDENDUM 1004
#define IDC_LABEL_DEDENDUM 1005
#define IDC_LABEL_TOOL_TIP_RADIUS 1006
#define IDC_TEETH 1007
#define IDC_MODULE 1008
#define IDC_PRESSURE_ANGLE 1009
#define IDC_PROFILE_SHIFT 1010
#define IDC_ADDENDUM 1011
#define IDC_DEDENDUM 1012
#define IDC_TOOL_TIP_RADIUS 1013
#define IDC_LABEL_INVOLUTE_DIVISIONS 1014
#define IDC_LABEL_FILLET_DIVISIONS 1015
#define IDC_FILLET_DIVISIONS 1016
#define IDC_INVOLUTE_DIVISIONS 1017
#define IDC_LABEL_INVOLUTE_MAX 1018
#define IDC_LABEL_FILLET_MAX 1019

#define IDC_SCRIPT_NAME 1008
#define IDC_SCRIPT_PROMPT 1020
#define IDC_SCRIPT_EXTENSION_NOTE 1021
#define IDC_SCRIPT_USAGE 1022
#define IDC_SCRIPT_LABEL 1023
#define IDC_SCRIPT_EXTENSION 1024

// The Language menu.
#define IDM_LANGUAGE_KOREAN 40030
#define IDM_LANGUAGE_ENGLISH 40031

// The gear data dialog: row i (in the order of GearQuantity) has its label at LABEL_FIRST + i,
// its value at VALUE_FIRST + i (the k and pin rows: edit boxes) and its unit at UNIT_FIRST + i.
#define IDM_GEAR_REPORT 40020
#define IDD_GEAR_REPORT 105
#define IDC_REPORT_LABEL_FIRST 1100
#define IDC_REPORT_VALUE_FIRST 1120
#define IDC_REPORT_SPAN_TEETH 1130
#define IDC_REPORT_PIN_DIAMETER 1132
#define IDC_REPORT_UNIT_FIRST 1140
#define IDC_REPORT_WARNINGS 1160
#define IDC_REPORT_RECOMPUTE 1161
#define IDC_REPORT_COPY 1162

// The mating gear: its dialog, the pair views and files.
#define IDM_MATING_GEAR 40040
#define IDM_GEAR_PAIR 40041
#define IDM_MESH_ZONE 40042
#define IDM_MAKE_PAIR_DXF 40043
#define IDM_MAKE_PAIR_SVG 40044
#define IDD_MATING_GEAR 106
#define IDC_MATE_LABEL_TEETH 1200
#define IDC_MATE_TEETH 1201
#define IDC_MATE_LABEL_SHIFT 1202
#define IDC_MATE_SHIFT 1203
#define IDC_MATE_LABEL_CENTRE 1204
#define IDC_MATE_CENTRE 1205
#define IDC_MATE_CENTRE_NOTE 1206
#define IDC_MATE_HINT 1207
#define IDC_MATE_SHORTEN 1208
#define IDC_MATE_NONE 1209

// The gear data dialog's pages, when a mate is set: the tab control, and the pair page's
// rows (in the order of PairQuantity), each a label, the gear's value, the mate's, a unit.
#define IDC_REPORT_TABS 1170
#define IDC_PAIR_LABEL_FIRST 1300
#define IDC_PAIR_VALUE_FIRST 1330
#define IDC_PAIR_MATE_VALUE_FIRST 1360
#define IDC_PAIR_UNIT_FIRST 1390

// The Gear Type and Cutter dialog.
#define IDM_GEAR_TYPE 40050
#define IDD_GEAR_TYPE 107
#define IDC_CUT_EXTERNAL 1500
#define IDC_CUT_INTERNAL 1501
#define IDC_CUT_RACK 1502
#define IDC_CUT_SHAPER 1503
#define IDC_CUT_LABEL_TEETH 1504
#define IDC_CUT_TEETH 1505
#define IDC_CUT_LABEL_SHIFT 1506
#define IDC_CUT_SHIFT 1507
#define IDC_CUT_LABEL_RIM 1508
#define IDC_CUT_RIM 1509
#define IDC_CUT_RIM_NOTE 1510
#define IDC_CUT_SHIFT_NOTE 1511
#define IDC_CUT_KIND_LABEL 1512
#define IDC_CUT_CUTTER_LABEL 1513

// The mate's cutter in the Mating Gear dialog.
#define IDC_MATE_INTERNAL 1220
#define IDC_MATE_SHAPER 1221
#define IDC_MATE_LABEL_CUTTER_TEETH 1222
#define IDC_MATE_CUTTER_TEETH 1223
#define IDC_MATE_LABEL_CUTTER_SHIFT 1224
#define IDC_MATE_CUTTER_SHIFT 1225
// The outline of the DXF and SVG files: the Acad Drawing item and its dialog.
#define IDM_OUTLINE_SETTINGS 40060
#define IDD_OUTLINE_SETTINGS 120
#define IDC_OUTLINE_FITTED 1600
#define IDC_OUTLINE_DIVIDED 1601
#define IDC_OUTLINE_TOLERANCE_LABEL 1602
#define IDC_OUTLINE_TOLERANCE 1603
#define IDC_OUTLINE_TOLERANCE_NOTE 1604
