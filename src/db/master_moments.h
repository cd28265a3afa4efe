// Binding the records of the master tables, whose start and end moments
// are often still unset.
#pragma once

#include <vector>

#include "db/field.h"
#include "db/value.h"

namespace db {

// The values of `fields` for binding, except that a moment (date part and
// time part written as one timestamp) whose date part is empty binds NULL.
// An operation that has not started has no start moment; without this its
// blank-padded text would not convert and the whole row could not be
// written back.
std::vector<Value> bindValuesNullingUnsetMoments(const void* record, Fields fields);

}  // namespace db
