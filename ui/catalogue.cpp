#include "ui/catalogue.h"

#define PROGRAM_TITLE "Odontra - Involute Gear Tooth Profile Drawing Program V1.0"
#define CONTACT_ADDRESS "https://odontra.example.org"

struct CatalogueEntry {
    TextId id;
    const char* korean;
    const char* english;
};

// In the order of TextId.
static constexpr CatalogueEntry kCatalogue[] = {
    {kTextWindowCaption, PROGRAM_TITLE " ----- " CONTACT_ADDRESS,
     PROGRAM_TITLE " ----- " CONTACT_ADDRESS},
    {kTextAboutTitle, PROGRAM_TITLE "\n", PROGRAM_TITLE "\n"},
    {kTextAboutCaption, "Odontra ?", "Odontra ?"},
    {kTextAboutLine1, PROGRAM_TITLE ", December 2026 --- The Odontra Developers",
     PROGRAM_TITLE ", December 2026 --- The Odontra Developers"},
    {kTextAboutLine2,
     "이 프로그램은 치형연구실 초기판 치형 프로그램(https://early.odontra.example.org)을 바탕으로 "
     "만든 것입니다.",
     "It is based on the first tooth profile program of the tooth profile laboratory "
     "(https://early.odontra.example.org)."},
    {kTextAboutLine3, "데이타 변경, 전위 및 AutoCAD Drawing 기능을 추가한 것입니다.",
     "Data editing, profile shift and AutoCAD drawing have been added to it."},
    {kTextAboutLine4, "addendum, dedendum, 공구 날끝 둥글기, 전위계수는 Module 단위 사용",
     "Addendum, dedendum, cutter tip rounding and profile shift are given in modules."},
    {kTextAboutLine5,
     "Addendum은 통상 1.0, Dedendum 1.25, Tool Edge Radius 0.25 정도를 사용합니다.",
     "Usual values are addendum 1.0, dedendum 1.25 and tool edge radius 0.25."},
    {kTextAboutLine6, "프로그램 실행 중 오류나 문의 사항은 " CONTACT_ADDRESS "/support",
     "For errors or questions while running the program: " CONTACT_ADDRESS "/support"},
    {kTextAboutLine7, "또는 회사 홈페이지 https://www.example.org 로 연락 주십시오.",
     "or write to us through the company's web site https://www.example.org."},

    {kTextGearDataCaption, "기어 데이타 입력", "Gear Data Input"},
    {kTextOk, "OK", "OK"},
    {kTextCancel, "Cancel", "Cancel"},
    {kTextFieldToothCount, "잇수", "Number of teeth"},
    {kTextFieldModule, "모듈", "Module"},
    {kTextFieldPressureAngle, "압력각", "Pressure angle"},
    {kTextFieldProfileShift, "전위계수", "Profile shift coefficient"},
    {kTextFieldAddendum, "어덴덤계수", "Addendum coefficient"},
    {kTextFieldDedendum, "디덴덤계수", "Dedendum coefficient"},
    {kTextFieldCutterTipRadius, "공구날끝 둥글기계수", "Cutter tip radius coefficient"},
    {kTextFieldInvoluteDivisions, "인볼류트 부분 등분값", "Involute divisions"},
    {kTextFieldFilletDivisions, "필렛곡선 부분 등분값", "Fillet divisions"},
    {kTextDivisionsMaximum, "<= Max %d", "<= Max %d"},

    {kTextInputErrorCaption, "입력 오류", "Input Error"},
    {kTextRefusalHead, "'%s' 값을 받아들일 수 없습니다.\n\n",
     "The value of '%s' cannot be accepted.\n\n"},
    {kTextFieldInSentence, "%s", "'%s'"},
    {kTextRuleWholeRange, "%s의 값은 %.0f 이상 %.0f 이하의 정수여야 합니다.",
     "%s must be a whole number from %.0f to %.0f."},
    {kTextRuleRealRange, "%s의 값은 %.0f 이상 %.0f 이하의 수여야 합니다.",
     "%s must be a number from %.0f to %.0f."},
    {kTextRuleRealAboveRange, "%s의 값은 %.0f보다 크고 %.0f 이하인 수여야 합니다.",
     "%s must be a number above %.0f and at most %.0f."},
    {kTextRuleModulePositive, "%s의 값은 0보다 커야 합니다.", "%s must be greater than 0."},
    {kTextRulePressureAngleRange, "%s의 값은 0도보다 크고 90도보다 작아야 합니다.",
     "%s must be greater than 0 and less than 90 degrees."},
    {kTextRuleNotNegative, "%s의 값은 0 이상이어야 합니다.", "%s must be 0 or more."},
    {kTextRuleToothDepth,
     "이높이(어덴덤계수 + 디덴덤계수)가 0보다 커야 합니다.\n%s의 값은 %.4f보다 커야 합니다.",
     "The tooth depth (addendum + dedendum) must be greater than 0.\n%s must be greater than "
     "%.4f."},
    {kTextRuleTipRadius, "이끝원의 반지름이 0 이하가 됩니다.\n%s의 값은 %.4f보다 커야 합니다.",
     "The tip radius would be 0 or less.\n%s must be greater than %.4f."},
    {kTextRuleTipInsideBaseCircle,
     "이끝원이 기초원 안에 들어가 인볼류트를 그릴 수 없습니다.\n%s의 값은 %.4f 이상이어야 "
     "합니다.",
     "The tip circle would lie inside the base circle, where there is no involute.\n%s must be "
     "at least %.4f."},
    {kTextRuleRootRadius, "이뿌리원의 반지름이 0 이하가 됩니다.\n%s의 값은 %.4f보다 작아야 합니다.",
     "The root radius would be 0 or less.\n%s must be less than %.4f."},
    {kTextRuleRoundingAbovePitchLine,
     "공구 날끝 둥글기의 중심이 피치선 위로 올라가 필렛이 이뿌리원에서 시작하지 않습니다.\n%s의 "
     "값은 %.4f(디덴덤계수 - 공구날끝 둥글기계수)보다 작아야 합니다.",
     "The centre of the cutter tip rounding would lie on or above the pitch line, so the fillet "
     "would not start on the root circle.\n%s must be less than %.4f (dedendum - cutter tip "
     "radius)."},
    {kTextRuleRoundingTooWide,
     "공구 날끝 둥글기가 공구 이의 폭보다 넓어 이웃한 이의 이뿌리가 겹칩니다.\n%s의 값은 "
     "%.4f보다 작아야 합니다.",
     "The cutter tip rounding is wider than the cutter tooth, and the roots of neighbouring "
     "teeth would cross.\n%s must be less than %.4f."},
    {kTextRuleCutterToothTooDeep,
     "공구 이가 너무 깊어 날끝이 뾰족해도 이웃한 이의 이뿌리가 겹칩니다.\n%s의 값은 %.4f보다 "
     "작아야 합니다.",
     "The cutter tooth is so deep that even a sharp tip is wider than the cutter tooth, and the "
     "roots of neighbouring teeth would cross.\n%s must be less than %.4f."},
    {kTextRulePointedTooth,
     "이끝원에 닿기 전에 두 치면이 만나 이가 뾰족해집니다.\n%s나 전위계수를 줄이세요.",
     "The tooth becomes pointed: its flanks cross below the tip circle.\nLower %s or the "
     "profile shift."},
    {kTextRuleNotComputable, "이 값들로는 치형을 계산할 수 없습니다.\n%s과 계수들을 줄이세요.",
     "The profile cannot be computed with these values.\nLower %s and the coefficients."},
    {kTextRuleProfileOffCircles,
     "계산된 치형이 이뿌리원에서 시작하지 않거나 이끝원에서 끝나지 않습니다.\n%s의 값을 키우거나 "
     "계수들을 바꾸세요.",
     "The computed profile does not start on the root circle or does not end on the tip "
     "circle.\nRaise %s or change the coefficients."},
    {kTextRuleProfileBeyondTip,
     "치형의 점이 이뿌리원과 이끝원 사이를 벗어납니다. 필렛이 이끝원 밖까지 나갑니다.\n%s의 "
     "값이나 잇수, 전위계수를 키우세요.",
     "Points of the flank lie outside the ring between the root and the tip circle: the fillet "
     "runs past the tip circle.\nRaise %s, the number of teeth or the profile shift."},
    {kTextRuleFlankCrossesCentreLine,
     "언더컷된 이뿌리가 이의 중심선을 넘어 이를 끊습니다.\n%s의 값이나 전위계수, 압력각을 "
     "키우세요.",
     "The undercut root crosses the tooth's centre line and cuts through the tooth.\nRaise %s, "
     "the profile shift or the pressure angle."},
    {kTextRuleFlankEntersNeighbour,
     "이뿌리의 필렛이 이웃한 이의 반 피치 안으로 들어갑니다.\n%s의 값이나 전위계수, 압력각을 "
     "키우세요.",
     "The fillet enters the neighbouring tooth's half pitch.\nRaise %s, the profile shift or "
     "the pressure angle."},
    {kTextRuleInvoluteTurnsBack,
     "인볼류트의 반지름이 이끝원까지 커지지 않고 다시 줄어듭니다. 필렛과 인볼류트가 이끝원 "
     "밖에서 만납니다.\n%s의 값을 키우세요.",
     "The involute's radius falls again on its way to the tip circle: fillet and involute meet "
     "outside the tip circle.\nRaise %s."},
    {kTextRuleArcTooWide, "이끝이나 이뿌리의 원호가 한 피치 이상을 돕니다.\n%s의 값을 줄이세요.",
     "A tip or gap arc of the outline would sweep one tooth pitch or more.\nLower %s."},
    {kTextRuleModuleTooSmall,
     "소수점 아래 여섯째 자리에서 윤곽의 이웃한 두 점이 같아집니다.\n지금의 등분값으로는 %s의 "
     "값이 %g 이상이어야 합니다. 등분값을 줄여도 됩니다.",
     "Neighbouring points of the outline would print alike at six decimals.\nWith these "
     "divisions %s must be at least %g; fewer divisions also help."},
    {kTextRulePointsCoincide,
     "윤곽의 이웃한 두 점이 겹칩니다.\n%s의 값을 줄이거나 계수들을 바꾸세요.",
     "Neighbouring points of the outline coincide.\nLower %s or change the coefficients."},

    {kTextScriptNameCaption, "Dialog", "Script File"},
    {kTextScriptNamePrompt, "Acad로 치형을 그릴 script 화일 이름을  넣으세요",
     "Enter the name of the script file that draws the tooth profile in AutoCAD."},
    {kTextScriptNameExtensionNote, "생성되는 화일은 *.scr 형태입니다. 확장자는 자동으로 붙습니다.",
     "The file is written as *.scr; the extension is added for you."},
    {kTextScriptNameUsage, "Acad 에서 script 명령을 이용하면 치형을 그려줍니다.",
     "AutoCAD's SCRIPT command draws the tooth profile from it."},
    {kTextScriptNameLabel, "화일이름 입력", "File name"},
    {kTextScriptNameExtension, ".SCR", ".SCR"},

    {kTextNoticeCaption, "알림 메세지", "Notice"},
    {kTextErrorCaption, "오류 메세지", "Error"},
    {kTextExportNotice, "%s 화일 %s가 만들어 졌습니다.\n", "The %s file %s has been made.\n"},
    {kTextExportFailure, "%s 화일 %s을(를) 만들지 못했습니다.\n%s\n",
     "The %s file %s could not be made.\n%s\n"},
    {kTextScriptKindNotice, "AutoCad 용 script", "AutoCAD script"},
    {kTextScriptKindName, "script", "script"},
    {kTextDxfKindNotice, "DXF 도면", "DXF drawing"},
    {kTextDxfKindName, "DXF", "DXF"},
    {kTextSvgKindNotice, "SVG 그림", "SVG picture"},
    {kTextSvgKindName, "SVG", "SVG"},
    {kTextReasonNoFolder, "폴더가 없거나 화일 이름이 올바르지 않습니다.",
     "The folder does not exist or the file name is not valid."},
    {kTextReasonNoPermission, "쓰기 권한이 없거나 다른 프로그램이 화일을 사용하고 있습니다.",
     "There is no permission to write, or another program is using the file."},
    {kTextReasonDiskFull, "디스크에 빈 공간이 없습니다.", "The disk is full."},
    {kTextReasonBadName, "화일 이름이 올바르지 않습니다.", "The file name is not valid."},
    {kTextReasonFolderThere, "같은 이름의 폴더가 있습니다.", "A folder of that name is there."},
    {kTextReasonCannotOpen, "화일을 열 수 없습니다.", "The file cannot be opened."},
    {kTextReasonWriteFailed, "화일을 쓰는 중에 오류가 났습니다.",
     "An error occurred while writing the file."},
    // Pairs of text and pattern for the Save As dialog, each ended by '|'.
    {kTextDxfFilter, "DXF drawing (*.dxf)|*.dxf|All files (*.*)|*.*|",
     "DXF drawing (*.dxf)|*.dxf|All files (*.*)|*.*|"},
    {kTextSvgFilter, "SVG picture (*.svg)|*.svg|All files (*.*)|*.*|",
     "SVG picture (*.svg)|*.svg|All files (*.*)|*.*|"},

    {kTextGearReportCaption, "기어 데이터", "Gear Data"},
    {kTextRecompute, "다시 계산", "Recompute"},
    {kTextCopy, "복사", "Copy"},
    {kTextClose, "닫기", "Close"},
    {kTextQuantityReferenceDiameter, "기준원 지름", "Reference diameter"},
    {kTextQuantityBaseDiameter, "기초원 지름", "Base diameter"},
    {kTextQuantityTipDiameter, "이끝원 지름", "Tip diameter"},
    {kTextQuantityRootDiameter, "이뿌리원 지름", "Root diameter"},
    {kTextQuantityFormDiameter, "인볼류트 시작원 지름", "Involute start diameter"},
    {kTextQuantityBasePitch, "법선 피치", "Base pitch"},
    {kTextQuantityToothThickness, "기준원 이두께", "Tooth thickness on d"},
    {kTextQuantityTipThickness, "이끝 이두께", "Tooth thickness on da"},
    {kTextQuantityChordalThickness, "현 이두께", "Chordal tooth thickness"},
    {kTextQuantityChordalHeight, "현 이높이", "Chordal height"},
    {kTextQuantitySpanTeeth, "걸치기 잇수", "Teeth spanned"},
    {kTextQuantitySpan, "걸치기 이두께", "Base tangent length"},
    {kTextQuantityPinDiameter, "핀 지름", "Pin diameter"},
    {kTextQuantityOverPins, "오버핀 치수", "Dimension over pins"},
    {kTextQuantityUndercut, "언더컷", "Undercut"},
    {kTextQuantityMinShift, "언더컷 없는 최소 전위계수", "Least shift without undercut"},
    {kTextQuantityMinTeeth, "언더컷 없는 최소 잇수", "Least teeth without undercut"},
    {kTextYes, "있음", "yes"},
    {kTextNo, "없음", "no"},
    {kTextWarningPrefix, "경고: ", "warning: "},
    {kTextWarningUndercut, "언더컷: 공구 날끝이 이뿌리를 깎아 인볼류트가 dFf에서 시작합니다.",
     "undercut: the cutter tip cuts into the root, the involute begins at dFf"},
    {kTextWarningThinTip, "이끝이 얇습니다: 이끝 이두께가 0.25 m보다 작습니다.",
     "thin tip: the tooth thickness on the tip circle is below 0.25 m"},
    {kTextWarningSpanOffInvolute, "걸치기 측정점이 인볼류트 밖에 있습니다: 다른 k를 고르십시오.",
     "span: the caliper touches the flank outside the involute, choose another k"},
    {kTextWarningPinOffInvolute, "핀의 접촉점이 인볼류트 밖에 있습니다: 다른 핀 지름을 고르십시오.",
     "pins: the pin touches the flank outside the involute, choose another pin diameter"},
    {kTextWarningPinBelowTip, "핀이 이끝원 밖으로 나오지 않습니다: 더 큰 핀을 쓰십시오.",
     "pins: the pin does not stand above the tip circle, use a larger pin"},
    {kTextWarningTooFewTeeth, "잇수가 2보다 작아 걸치기 치수와 오버핀 치수가 없습니다.",
     "fewer than two teeth: no span and no dimension over pins"},
    {kTextRulePinDiameter, "%s의 값은 0보다 크고 이끝원 지름 %.4f 이하인 수여야 합니다.",
     "%s must be a number above 0 and at most the tip diameter %.4f."},
    {kTextRuleSpanNeedsTwoTeeth, "잇수가 2보다 작아 %s를 정할 수 없습니다.",
     "A gear of fewer than two teeth has no span measurement: %s cannot be given."},

    {kTextMateCaption, "맞물림 기어", "Mating Gear"},
    {kTextMateToothCount, "맞물림 기어 잇수", "Mate's number of teeth"},
    {kTextMateShift, "맞물림 기어 전위계수", "Mate's profile shift coefficient"},
    {kTextCentreDistance, "중심거리", "Centre distance"},
    {kTextCentreDistanceEmptyIsTight, "(비우면 물림 없는 중심거리)", "(empty: the tight mesh)"},
    {kTextShortenTips, "이끝 줄임", "Shorten tips"},
    {kTextNoMate, "맞물림 없음", "No mate"},
    {kTextTightCentreDistanceHint, "물림 없는 중심거리: %.4f", "Tight centre distance: %.4f"},
    {kTextNoMateInView, "맞물림 기어가 없습니다. 'Mating Gear' 메뉴에서 정하세요.",
     "No mating gear is set: choose one under 'Mating Gear'."},
    {kTextRuleCentreDistanceNotANumber,
     "%s의 값은 0보다 큰 수여야 합니다(없으면 물림 없는 중심거리).",
     "%s must be a number above 0 (none: the tight mesh)."},
    {kTextRuleCentreDistanceTooSmall,
     "이 중심거리에서는 백래시가 음수가 되어 이가 겹칩니다.\n%s의 값은 %.4f 이상이어야 합니다.",
     "At this centre distance the backlash would be negative and the teeth would collide.\n%s must "
     "be at least %.4f."},
    {kTextRuleCentreDistanceTooLarge,
     "이 중심거리에서는 백래시가 음수가 되어 이가 겹칩니다.\n%s의 값은 %.4f 이하여야 합니다.",
     "At this centre distance the backlash would be negative and the teeth would collide.\n%s must "
     "be at most %.4f."},
    {kTextRuleNoWorkingAngleAtCentre,
     "이 중심거리에서는 물림 압력각이 없습니다.\n%s의 값은 %.4f보다 커야 합니다.",
     "No working pressure angle exists at this centre distance.\n%s must be greater than %.4f."},
    {kTextRuleNoWorkingAngleForShifts,
     "이 전위계수들로는 물림 압력각이 없습니다.\n%s의 값은 %.4f보다 커야 합니다.",
     "No working pressure angle exists for these profile shifts.\n%s must be greater than %.4f."},
    {kTextPageGear, "기어", "Gear"},
    {kTextPageMate, "맞물림 기어", "Mate"},
    {kTextPagePair, "기어 쌍", "Pair"},
    {kTextCopyGearHeading, "[기어]", "[Gear]"},
    {kTextCopyMateHeading, "[맞물림 기어]", "[Mate]"},
    {kTextCopyPairHeading, "[기어 쌍]", "[Pair]"},
    {kTextPairReferenceCentreDistance, "기준 중심거리", "Reference centre distance"},
    {kTextPairCentreDistance, "중심거리", "Centre distance"},
    {kTextPairWorkingPressureAngle, "물림 압력각", "Working pressure angle"},
    {kTextPairShiftSum, "전위계수 합", "Sum of profile shifts"},
    {kTextPairCentreDistanceCoef, "중심거리 수정계수", "Centre distance modification"},
    {kTextPairTipShortening, "이끝 줄임계수", "Tip shortening"},
    {kTextPairTightShiftSum, "물림 없는 전위계수 합", "Shift sum of a tight mesh"},
    {kTextPairWorkingPitchDiameter, "물림 피치원 지름", "Working pitch diameter"},
    {kTextPairTipDiameter, "이끝원 지름", "Tip diameter"},
    {kTextPairRootDiameter, "이뿌리원 지름", "Root diameter"},
    {kTextPairFormDiameter, "인볼류트 시작원 지름", "Involute start diameter"},
    {kTextPairActiveProfileStart, "유효 치형 시작원 지름", "Start of active profile"},
    {kTextPairRootClearance, "이끝 틈새", "Root clearance"},
    {kTextPairBacklashNormal, "법선 백래시", "Normal backlash"},
    {kTextPairBacklashCircumferential, "원주 백래시", "Circumferential backlash"},
    {kTextPairContactRatio, "물림률", "Contact ratio"},
    {kTextPairUsableContactRatio, "유효 물림률", "Usable contact ratio"},
    {kTextPairInterference, "간섭", "Interference"},
    {kTextPairSmallestGap, "최소 틈새", "Smallest gap"},
    {kTextPairWarningContactOffForm,
     "물림이 기어의 인볼류트 시작원 아래에서 시작합니다: 유효 물림률 %.3f",
     "contact begins below the gear's form circle: usable contact ratio %.3f"},
    {kTextPairWarningMateContactOffForm,
     "물림이 맞물림 기어의 인볼류트 시작원 아래에서 시작합니다: 유효 물림률 %.3f",
     "contact begins below the mate's form circle: usable contact ratio %.3f"},
    {kTextPairWarningOverlap,
     "깎인 치형이 %.4f mm 겹칩니다: 기어 반지름 %.4f, 맞물림 기어 반지름 %.4f",
     "the cut outlines overlap by %.4f mm: at radius %.4f on the gear and %.4f on the mate"},
    {kTextPairWarningLowContactRatio, "물림률 %.3f이 1.2보다 작습니다",
     "contact ratio %.3f is below 1.2"},
    {kTextPairWarningSmallRootClearance, "기어 이뿌리의 틈새 %.4f가 0.1 m보다 작습니다",
     "root clearance %.4f under the gear is below 0.1 m"},
    {kTextPairWarningMateSmallRootClearance, "맞물림 기어 이뿌리의 틈새 %.4f가 0.1 m보다 작습니다",
     "root clearance %.4f under the mate is below 0.1 m"},
    {kTextPairWarningThinTip, "이끝을 줄인 기어의 이끝 이두께 %.4f가 0.25 m보다 작습니다",
     "the gear's tip, %.4f thick after shortening, is thinner than 0.25 m"},
    {kTextPairWarningMateThinTip,
     "이끝을 줄인 맞물림 기어의 이끝 이두께 %.4f가 0.25 m보다 작습니다",
     "the mate's tip, %.4f thick after shortening, is thinner than 0.25 m"},
    {kTextFieldCutterTeeth, "공구 잇수", "Cutter's number of teeth"},
    {kTextFieldCutterShift, "공구 전위계수", "Cutter's profile shift coefficient"},
    {kTextFieldRimDiameter, "림 지름", "Rim diameter"},
    {kTextRuleRingTipInsideBaseCircle,
     "내접 기어의 이끝원이 기초원 안에 들어가 인볼류트를 그릴 수 없습니다.\n%s의 값은 %.4f "
     "이하여야 합니다.",
     "The ring's tip circle would lie inside its base circle, where there is no involute.\n%s must "
     "be at most %.4f."},
    {kTextRuleRoundingInsideCutterBase,
     "공구 날끝 둥글기가 공구의 기초원 안에 있어 필렛을 깎지 못합니다.\n%s의 값은 %.4f 이상이어야 "
     "합니다.",
     "The cutter's tip rounding lies inside the cutter's base circle and cuts no fillet.\n%s must "
     "be at least %.4f."},
    {kTextRuleNoCuttingMeshAbove,
     "공구가 기어와 맞물려 깎을 수 없습니다. 깎기 압력각이 없습니다.\n%s의 값은 %.4f보다 커야 "
     "합니다.",
     "The cutter cannot mesh with the gear to cut it: there is no cutting pressure angle.\n%s must "
     "be greater than %.4f."},
    {kTextRuleNoCuttingMeshBelow,
     "공구가 기어와 맞물려 깎을 수 없습니다. 깎기 압력각이 없습니다.\n%s의 값은 %.4f보다 작아야 "
     "합니다.",
     "The cutter cannot mesh with the gear to cut it: there is no cutting pressure angle.\n%s must "
     "be less than %.4f."},
    {kTextRuleRoundingInsideCutterPitch,
     "공구 날끝 둥글기의 중심이 공구의 피치원 밖으로 나가지 않아 필렛이 이뿌리원에서 시작하지 "
     "않습니다.\n%s의 값은 %.4f보다 커야 합니다.",
     "The centre of the cutter's tip rounding would not lie beyond the cutter's rolling circle, so "
     "the fillet would not start on the root circle.\n%s must be greater than %.4f."},
    {kTextRuleRingTrimmed,
     "공구를 깎아 들어갈 때 내접 기어의 이끝이 깎여 나갑니다.\n%s의 값은 %.0f 이상이어야 합니다.",
     "The cutter would trim the ring's tips as it is fed in.\n%s must be at least %.0f."},
    {kTextRuleRingTrimmedByAnyCount,
     "이 공구로는 어떤 잇수의 내접 기어도 이끝이 깎이지 않게 깎을 수 없습니다.\n%s나 공구를 "
     "바꾸세요.",
     "This cutter would trim the tips of a ring of any tooth count.\nChange %s or the cutter."},
    {kTextRuleRimInsideRoot,
     "림이 내접 기어의 이뿌리원 안에 들어갑니다.\n%s의 값은 %.4f보다 커야 합니다.",
     "The rim would lie inside the ring's root circle.\n%s must be greater than %.4f."},
    {kTextGearTypeCaption, "기어 종류와 공구", "Gear Type and Cutter"},
    {kTextGearKind, "기어 종류", "Gear type"},
    {kTextExternalGear, "외접 기어", "External gear"},
    {kTextInternalGear, "내접 기어 (링 기어)", "Internal gear (ring)"},
    {kTextCutter, "공구", "Cutter"},
    {kTextRackCutter, "랙 공구", "Rack cutter"},
    {kTextShaperCutter, "피니언 커터 (셰이퍼)", "Pinion-type shaper cutter"},
    {kTextRimEmptyIsDefault, "(비우면 이뿌리원 지름 + 4 m)", "(empty: the root diameter + 4 m)"},
    {kTextRingShiftSign,
     "내접 기어의 전위계수가 양수이면 치형이 바깥쪽으로 옮겨집니다 (KHK, SDP/SI의 부호).",
     "A ring's positive profile shift moves its profile outward (KHK and SDP/SI sign)."},
    {kTextRuleRingNeedsShaper, "내접 기어는 피니언 커터로만 깎을 수 있습니다.\n%s를 바꾸세요.",
     "A ring can be cut by a pinion-type shaper cutter only.\nChange %s."},
    {kTextPairWarningInvoluteInterference,
     "인볼류트 간섭: 내접 기어의 이끝이 피니언의 기초원 아래에서 닿습니다",
     "involute interference: the ring's tip meets the pinion below its base circle"},
    {kTextPairWarningTrochoidInterference,
     "트로코이드 간섭: 물림에서 빠져나가는 피니언의 이끝이 내접 기어의 이끝에 부딪힙니다",
     "trochoid interference: the pinion's tip strikes the ring's tips as it leaves the mesh"},
    {kTextPairWarningTrimmingInterference,
     "트리밍 간섭: 피니언을 중심선을 따라 밀어 넣거나 뺄 수 없습니다",
     "trimming interference: the pinion cannot be slid in or out along the line of centres"},
    {kTextRuleRingNeedsMoreTeeth,
     "내접 기어의 잇수가 피니언보다 많아야 합니다.\n%s의 값은 %.0f 이상이어야 합니다.",
     "A ring needs more teeth than its pinion.\n%s must be at least %.0f."},
    {kTextRulePinionNeedsFewerTeeth,
     "피니언의 잇수가 내접 기어보다 적어야 합니다.\n%s의 값은 %.0f 이하여야 합니다.",
     "A pinion needs fewer teeth than its ring.\n%s must be at most %.0f."},
    {kTextRuleRingCircles,
     "내접 기어의 이끝원이 기초원 밖에, 이뿌리원이 이끝원 밖에 있어야 합니다.\n%s를 바꾸세요.",
     "The ring's tip circle must lie outside its base circle, and its root circle outside its tip "
     "circle.\nChange %s."},
    {kTextRuleTwoRings, "내접 기어의 맞물림 기어는 외접 기어여야 합니다.\n%s를 바꾸세요.",
     "A ring's mate must be an external gear.\nChange %s."},
    {kTextMateInternal, "맞물림 기어는 내접 기어 (링 기어)", "The mate is a ring (internal gear)"},
    {kTextMateShaper, "맞물림 기어를 피니언 커터로 깎음", "Cut the mate by a shaper cutter"},
    {kTextReasonNoTemporaryFile,
     "화일 옆에 임시 화일을 만들 수 없습니다: 시도한 이름이 모두 이미 쓰이고 있습니다.",
     "No temporary file could be created beside it: every name tried was taken."},

    {kTextQuantityBetweenPins, "비트윈핀 치수", "Dimension between pins"},
    {kTextNotApplicable, "해당 없음", "not applicable"},
    {kTextWarningPinNotInsideTip, "핀이 이끝원 안쪽으로 나오지 않습니다: 더 큰 핀을 쓰십시오.",
     "pins: the pin does not stand inside the tip circle, use a larger pin"},
    {kTextWarningTipCutByCutter,
     "커터의 인볼류트가 이끝원까지 닿지 않아 이끝이 인볼류트가 아닌 모양으로 깎입니다: 잇수가 "
     "더 많은 커터를 쓰십시오.",
     "tip: the cutter's involute does not reach the tip circle, the tip is cut off the involute; "
     "use a cutter of more teeth"},
    {kTextRuleRingPinDiameter,
     "%s의 값은 0보다 크고, 이홈의 두 치면에 닿는 가장 큰 핀 지름 %.4f 이하인 수여야 합니다.",
     "%s must be a number above 0 and at most %.4f, the largest pin that touches both flanks of "
     "a space."},
    {kTextRuleRingHasNoSpan, "내접 기어는 걸치기 치수를 잴 수 없습니다.\n%s를 줄 수 없습니다.",
     "A ring has no span measurement.\n%s cannot be given."},
    {kTextOutlineSettingsCaption, "윤곽 설정", "Outline Settings"},
    {kTextOutlineFitted, "원호 맞춤: 참 치형을 허용오차 안에서 원호로",
     "Fitted: circular arcs within the tolerance of the true tooth"},
    {kTextOutlineDivided, "등분점: script와 같은 점을 직선으로",
     "Divided: straight lines through the script's points"},
    {kTextOutlineTolerance, "허용오차", "Tolerance"},
    {kTextOutlineToleranceNote,
     "도면 단위(mm)로 넣은 길이 그대로 기억합니다. 비워 두면 모듈의 1/10000(이 기어는 %g)입니다.",
     "A length in drawing units (mm), kept as typed. Left empty: a ten-thousandth of the "
     "module (%g for this gear)."},
    {kTextRuleOutlineTolerance, "%s의 값은 이 기어에서 %g 이상 %g 이하인 수여야 합니다.",
     "%s must be a number from %g to %g for this gear."},
    {kTextRuleRimTooLarge,
     "림이 내접 기어에 비해 너무 큽니다: 이뿌리원 지름의 1000배까지입니다.\n%s의 값은 %.4f "
     "이하여야 합니다.",
     "The rim is too large for the ring: a thousand times its root diameter at most.\n%s must be "
     "at most %.4f."},
};

static constexpr bool EveryIdInItsPlace() {
    if (sizeof kCatalogue / sizeof kCatalogue[0] != kTextCount) {
        return false;
    }
    for (int i = 0; i < kTextCount; i++) {
        if (kCatalogue[i].id != i) {
            return false;
        }
    }
    return true;
}

static_assert(EveryIdInItsPlace(), "every text id has its entry, in the order of TextId");

const char* Text(TextId id, Language language) {
    if (id < 0 || id >= kTextCount) {
        return "";
    }
    const CatalogueEntry& entry = kCatalogue[id];
    return language == kKorean ? entry.korean : entry.english;
}
