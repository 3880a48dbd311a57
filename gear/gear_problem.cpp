#include "gear/gear_problem.h"

ParameterProblem ParameterProblemOf(ParameterRule rule, GearField field, double limit) {
    ParameterProblem problem;
    problem.rule = rule;
    problem.field = field;
    problem.limit = limit;
    return problem;
}
