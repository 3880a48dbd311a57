#include "ui/parameter_message.h"

#include <cmath>
#include <cstdio>

const char* GearFieldLabel(GearField field) {
    switch (field) {
        case kFieldToothCount:
            return "잇수";
        case kFieldModule:
            return "모듈";
        case kFieldPressureAngle:
            return "압력각";
        case kFieldProfileShift:
            return "전위계수";
        case kFieldAddendum:
            return "어덴덤계수";
        case kFieldDedendum:
            return "디덴덤계수";
        case kFieldToolTipRadius:
            return "공구날끝 둥글기계수";
        case kFieldInvoluteDivisions:
            return "인볼류트 부분 등분값";
        case kFieldFilletDivisions:
            return "필렛곡선 부분 등분값";
        case kFieldNone:
            break;
    }
    return "";
}

// The rule's sentence; %s stands for the label, %.4f or %g (where present) for the limit.
static const char* RuleText(ParameterRule rule) {
    switch (rule) {
        case kRuleToothCountRange:
            return "%s의 값은 1 이상 9999 이하의 정수여야 합니다.";
        case kRuleMagnitude:
            return "%s의 값은 -1000000 이상 1000000 이하의 수여야 합니다.";
        case kRuleModulePositive:
            return "%s의 값은 0보다 커야 합니다.";
        case kRulePressureAngleRange:
            return "%s의 값은 0도보다 크고 90도보다 작아야 합니다.";
        case kRuleToolTipRadiusNegative:
            return "%s의 값은 0 이상이어야 합니다.";
        case kRuleInvoluteDivisionsRange:
            return "%s의 값은 1 이상 100 이하의 정수여야 합니다.";
        case kRuleFilletDivisionsRange:
            return "%s의 값은 1 이상 70 이하의 정수여야 합니다.";
        case kRuleToothDepth:
            return "이높이(어덴덤계수 + 디덴덤계수)가 0보다 커야 합니다.\n%s의 값은 %.4f보다 커야 "
                   "합니다.";
        case kRuleTipRadius:
            return "이끝원의 반지름이 0 이하가 됩니다.\n%s의 값은 %.4f보다 커야 합니다.";
        case kRuleTipInsideBaseCircle:
            return "이끝원이 기초원 안에 들어가 인볼류트를 그릴 수 없습니다.\n%s의 값은 %.4f "
                   "이상이어야 "
                   "합니다.";
        case kRuleRootRadius:
            return "이뿌리원의 반지름이 0 이하가 됩니다.\n%s의 값은 %.4f보다 작아야 합니다.";
        case kRuleRoundingAbovePitchLine:
            return "공구 날끝 둥글기의 중심이 피치선 위로 올라가 필렛이 이뿌리원에서 시작하지 "
                   "않습니다.\n%s의 값은 %.4f(디덴덤계수 - 공구날끝 둥글기계수)보다 작아야 합니다.";
        case kRuleRoundingTooWide:
            return "공구 날끝 둥글기가 공구 이의 폭보다 넓어 이웃한 이의 이뿌리가 겹칩니다.\n%s의 "
                   "값은 "
                   "%.4f보다 작아야 합니다.";
        case kRuleCutterToothTooDeep:
            return "공구 이가 너무 깊어 날끝이 뾰족해도 이웃한 이의 이뿌리가 겹칩니다.\n%s의 값은 "
                   "%.4f보다 작아야 합니다.";
        case kRulePointedTooth:
            return "이끝원에 닿기 전에 두 치면이 만나 이가 뾰족해집니다.\n%s나 전위계수를 "
                   "줄이세요.";
        case kRuleNotComputable:
            return "이 값들로는 치형을 계산할 수 없습니다.\n%s과 계수들을 줄이세요.";
        case kRuleProfileOffCircles:
            return "계산된 치형이 이뿌리원에서 시작하지 않거나 이끝원에서 끝나지 않습니다.\n%s의 "
                   "값을 키우거나 계수들을 바꾸세요.";
        case kRuleProfileBeyondTip:
            return "치형의 점이 이뿌리원과 이끝원 사이를 벗어납니다. 필렛이 이끝원 밖까지 "
                   "나갑니다.\n%s의 값이나 잇수, 전위계수를 키우세요.";
        case kRuleFlankCrossesCentreLine:
            return "언더컷된 이뿌리가 이의 중심선을 넘어 이를 끊습니다.\n%s의 값이나 전위계수, "
                   "압력각을 키우세요.";
        case kRuleFlankEntersNeighbour:
            return "이뿌리의 필렛이 이웃한 이의 반 피치 안으로 들어갑니다.\n%s의 값이나 "
                   "전위계수, 압력각을 키우세요.";
        case kRuleInvoluteTurnsBack:
            return "인볼류트의 반지름이 이끝원까지 커지지 않고 다시 줄어듭니다. 필렛과 "
                   "인볼류트가 이끝원 밖에서 만납니다.\n%s의 값을 키우세요.";
        case kRuleArcTooWide:
            return "이끝이나 이뿌리의 원호가 한 피치 이상을 돕니다.\n%s의 값을 줄이세요.";
        case kRuleModuleTooSmall:
            return "소수점 아래 여섯째 자리에서 윤곽의 이웃한 두 점이 같아집니다.\n지금의 "
                   "등분값으로는 %s의 값이 %g 이상이어야 합니다. 등분값을 줄여도 됩니다.";
        case kRulePointsCoincide:
            return "윤곽의 이웃한 두 점이 겹칩니다.\n%s의 값을 줄이거나 계수들을 바꾸세요.";
        case kRuleAccepted:
            break;
    }
    return "";
}

void FormatParameterMessage(const ParameterProblem& problem, char* text, size_t size) {
    const char* label = GearFieldLabel(problem.field);
    const int head = snprintf(text, size, "'%s' 값을 받아들일 수 없습니다.\n\n", label);
    if (head < 0 || static_cast<size_t>(head) >= size) {
        return;
    }
    // A limit that is not a finite number says nothing useful; print it as none.
    const double limit = std::isfinite(problem.limit) ? problem.limit : 0.0;
    snprintf(text + head, size - head, RuleText(problem.rule), label, limit);
}
