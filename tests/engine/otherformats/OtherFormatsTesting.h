#pragma once
// What the tests of engine/otherformats share: making archives with the peer
// tools and reading a result's problems.

#include "engine/otherformats/OtherFormats.h"

#include <string>
#include <vector>

namespace otherformats_test {

// Runs `command` with /bin/sh in `directory`; true when it exits 0.
bool make(const std::string &command, const std::string &directory);

// The kind of the problem reported for `entry`, or none.
std::optional<otherformats::ProblemKind> problemFor(const std::vector<otherformats::Problem> &problems,
                                                    const std::string &entry);

// Names under `root` that are temporary files of an extraction.
std::vector<std::string> temporaryFiles(const std::string &root);

std::string sha256Of(const std::string &path);

}  // namespace otherformats_test
