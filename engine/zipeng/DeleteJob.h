#pragma once
// Deleting members: every other member copied into the new archive as it is.

#include "engine/zipeng/Job.h"

#include <cstdint>
#include <string>

namespace zipeng {

class DeleteJob : public Job {
public:
    using Job::Job;
    int32_t run(const std::string &archive);
};

}  // namespace zipeng
