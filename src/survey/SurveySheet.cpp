#include "survey/SurveySheet.h"

std::optional<TruthProblem> SurveySheet::Apply(TruthPosition& truth) {
    if (auto problem = CheckTruthEntries(values.truth, truth)) return problem;
    applied = values;
    return std::nullopt;
}
