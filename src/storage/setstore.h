#pragma once

#include "questionset.h"

// The set checks and listings still name the per-round counts this way; the
// counts themselves belong to QuestionSet.
namespace SetStore {
using RoundCounts = QuestionSet::RoundCounts;
} // namespace SetStore
