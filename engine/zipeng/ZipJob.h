#pragma once
// One call of the library: an add (with its update, freshen, move, archive-
// time and DOS-name variants) or a delete, from the parameter record to the
// renamed new archive.

#include "engine/common/CallRecords.h"
#include "engine/zipeng/JobOptions.h"
#include "engine/zipeng/Reporter.h"

#include <cstdint>
#include <functional>
#include <string>

namespace zipeng {

// Reads the record; false (with a message sent) when it cannot be used.
bool readRecord(const ZipCallRecord &record, JobOptions &options, Reporter &reporter);

// Runs `job` (a call on `archive`) and returns what it returns; what it
// throws is reported through `reporter` as the failure of the whole job,
// and 0 returned: nothing escapes.
int32_t reportFailures(const std::string &archive, Reporter &reporter, const std::function<int32_t()> &job);

// Runs the job and returns the number of members added, replaced or deleted.
// Every failure is reported through `reporter` and returns 0 with the old
// archive untouched; nothing escapes.
int32_t runJob(const JobOptions &options, Reporter &reporter);

}  // namespace zipeng
