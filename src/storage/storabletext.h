#pragma once

#include "questionset.h"

// The CSV import still asks here for the upper case a set stores; the rule
// itself belongs to QuestionSet.
namespace StorableText {
inline QString upperCased(const QString &typed)
{
    return QuestionSet::upperCased(typed);
}
} // namespace StorableText
