// Every text the user reads, once: a table keyed by id with a Korean and an English column,
// in UTF-8. The program shows the column of the language chosen (Korean where Windows
// speaks Korean, English elsewhere); the involute tool always speaks English. Texts with
// printf conversions take the same arguments in both columns. No platform types.
//
// Does not: hold the menu bar (English in both languages, in the resource script), JSON keys
// or file contents, which are not language.
#pragma once

enum Language { kKorean, kEnglish };

const int kLanguageCount = 2;

enum TextId {
    // The window and the about display.
    kTextWindowCaption,
    kTextAboutTitle,
    kTextAboutCaption,
    kTextAboutLine1,
    kTextAboutLine2,
    kTextAboutLine3,
    kTextAboutLine4,
    kTextAboutLine5,
    kTextAboutLine6,
    kTextAboutLine7,

    // The gear data dialog: caption, buttons, the nine field labels, the division maxima.
    kTextGearDataCaption,
    kTextOk,
    kTextCancel,
    kTextFieldToothCount,
    kTextFieldModule,
    kTextFieldPressureAngle,
    kTextFieldProfileShift,
    kTextFieldAddendum,
    kTextFieldDedendum,
    kTextFieldCutterTipRadius,
    kTextFieldInvoluteDivisions,
    kTextFieldFilletDivisions,
    kTextDivisionsMaximum,

    // A refused value: the box's caption, the head naming the field, how a field is named
    // inside a sentence, and one sentence a rule (%s the field, then up to two limits).
    kTextInputErrorCaption,
    kTextRefusalHead,
    kTextFieldInSentence,
    kTextRuleWholeRange,
    kTextRuleRealRange,
    kTextRuleRealAboveRange,
    kTextRuleModulePositive,
    kTextRulePressureAngleRange,
    kTextRuleNotNegative,
    kTextRuleToothDepth,
    kTextRuleTipRadius,
    kTextRuleTipInsideBaseCircle,
    kTextRuleRootRadius,
    kTextRuleRoundingAbovePitchLine,
    kTextRuleRoundingTooWide,
    kTextRuleCutterToothTooDeep,
    kTextRulePointedTooth,
    kTextRuleNotComputable,
    kTextRuleProfileOffCircles,
    kTextRuleProfileBeyondTip,
    kTextRuleFlankCrossesCentreLine,
    kTextRuleFlankEntersNeighbour,
    kTextRuleInvoluteTurnsBack,
    kTextRuleArcTooWide,
    kTextRuleModuleTooSmall,
    kTextRulePointsCoincide,

    // The script name dialog.
    kTextScriptNameCaption,
    kTextScriptNamePrompt,
    kTextScriptNameExtensionNote,
    kTextScriptNameUsage,
    kTextScriptNameLabel,
    kTextScriptNameExtension,

    // The end of an export: captions, the notice, the failure and its reasons.
    kTextNoticeCaption,
    kTextErrorCaption,
    kTextExportNotice,
    kTextExportFailure,
    kTextScriptKindNotice,
    kTextScriptKindName,
    kTextDxfKindNotice,
    kTextDxfKindName,
    kTextSvgKindNotice,
    kTextSvgKindName,
    kTextReasonNoFolder,
    kTextReasonNoPermission,
    kTextReasonDiskFull,
    kTextReasonBadName,
    kTextReasonFolderThere,
    kTextReasonCannotOpen,
    kTextReasonWriteFailed,
    kTextDxfFilter,
    kTextSvgFilter,

    // The gear data: the dialog, the names of the quantities, the warnings.
    kTextGearReportCaption,
    kTextRecompute,
    kTextCopy,
    kTextClose,
    kTextQuantityReferenceDiameter,
    kTextQuantityBaseDiameter,
    kTextQuantityTipDiameter,
    kTextQuantityRootDiameter,
    kTextQuantityFormDiameter,
    kTextQuantityBasePitch,
    kTextQuantityToothThickness,
    kTextQuantityTipThickness,
    kTextQuantityChordalThickness,
    kTextQuantityChordalHeight,
    kTextQuantitySpanTeeth,
    kTextQuantitySpan,
    kTextQuantityPinDiameter,
    kTextQuantityOverPins,
    kTextQuantityUndercut,
    kTextQuantityMinShift,
    kTextQuantityMinTeeth,
    kTextYes,
    kTextNo,
    kTextWarningPrefix,
    kTextWarningUndercut,
    kTextWarningThinTip,
    kTextWarningSpanOffInvolute,
    kTextWarningPinOffInvolute,
    kTextWarningPinBelowTip,
    kTextWarningTooFewTeeth,
    kTextRulePinDiameter,
    kTextRuleSpanNeedsTwoTeeth,

    // The outline of the DXF and SVG files: the settings dialog and the tolerance's rule
    // (%s the field, %g the least tolerance for the gear).
    kTextOutlineSettingsCaption,
    kTextOutlineFitted,
    kTextOutlineDivided,
    kTextOutlineTolerance,
    kTextOutlineToleranceNote,
    kTextRuleOutlineTolerance,

    kTextCount,
};

// The text of id in language; never null.
const char* Text(TextId id, Language language);
