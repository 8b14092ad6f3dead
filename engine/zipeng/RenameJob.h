#pragma once
// Renaming members: the renamed ones copied with new headers (name, its
// length, the UTF-8 flag, no Unicode path field to contradict it) and their
// data and encryption as they are; every other member copied as it is.

#include "engine/zipeng/Job.h"

#include <cstdint>
#include <string>

namespace zipeng {

class RenameJob : public Job {
public:
    using Job::Job;
    // `from` is a member's name, or a folder's ending in '/' (every member
    // under it); see zipformat::planRename.
    int32_t run(const std::string &archive, const std::string &from, const std::string &to);
    // Every member copied as it is under a new archive comment; 1 when written.
    int32_t setComment(const std::string &archive, const std::string &comment);

private:
    void renameMember(const ExistingMember &member, const std::string &name);
};

}  // namespace zipeng
