// The messages of the configuration loader, reported through Error at the
// position of the resource concerned.  Internal to tcf/.
#pragma once

#include "host/qares.h"

#include <QString>

namespace TCFLoad {

// `message` as an error at the position of `resource`.
void error(const QString& message, const QARes* resource);
// "<tag> must be <word>": a value of the wrong kind, or a required one that
// is missing.  `word` is a resource type word, translated in context
// "Resource Type".
void mustBe(const QString& tag, const char* word, const QARes* resource);
// "<tag> "<value>" already defined.": an id or name used twice.
void alreadyDefined(const QString& tag, const QString& value, const QARes* resource);

}  // namespace TCFLoad
