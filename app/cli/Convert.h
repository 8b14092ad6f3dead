#pragma once
// orvexzip convert: any archive either reader reads, written as a new ZIP
// archive by our own engine.

#include <string>

namespace cli {

struct ConvertRequest {
    std::string source;
    std::string target;    // must not exist
    int level = -1;        // -1: the add's default level
    std::string password;  // not empty: the members are encrypted as add --encrypt does
};

// Prints the count on stdout and the problems on stderr; returns the exit
// status (0, 1 when anything was not converted, 2 for a refused target,
// 128 + a stop signal's number). The stop signals must already be caught.
int convertArchive(const ConvertRequest &request);

}  // namespace cli
