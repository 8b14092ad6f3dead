#pragma once
// Running programs from tests (orvexzip, the peer tools) and capturing what
// they print.

#include <string>
#include <vector>

namespace ziptest {

struct RunResult {
    int exitCode = -1;  // -1 when it could not start or was killed
    std::string out;
    std::string err;  // empty when merged into out
};

// Runs a program found on PATH with `args` (args[0] is the program), with
// `env` added to the environment, and waits for it.
RunResult run(const std::vector<std::string> &args, const std::vector<std::string> &env = {},
              const std::string &workingDirectory = {});
// The orvexzip of this build with `args`, in `directory` (when given), with
// `env` added to the environment.
RunResult runOrvexzip(const std::vector<std::string> &args, const std::string &directory = {},
                      const std::vector<std::string> &env = {"LC_ALL=C"});
// The same with standard error going to `out` too.
RunResult runTool(const std::vector<std::string> &args);
// Runs `command` with /bin/sh in `directory`; its exit status.
int sh(const std::string &command, const std::string &directory = {});
bool haveProgram(const std::string &name);

// Runs unzip -t, 7zz t, bsdtar -tf / -xOf and Python's testzip on the
// archive; an empty string when all accept it without a warning, else what
// they said. With `stub`, 7-Zip's warning about data in front of the archive
// (a self-extractor's stub) is accepted; without `extract` bsdtar only lists.
// The point is that what we write, the tools people use read cleanly, so
// their verdicts are asserted; the words looked for are those of Debian 12's
// UnZip 6.0 (6.0-28+deb12u1), 7-Zip 26.02 (7zip 22.01+really26.02),
// bsdtar 3.6.2 and Python 3.11.
std::string checkWithTools(const std::string &archive, bool stub = false, bool extract = true);

}  // namespace ziptest
