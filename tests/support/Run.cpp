#include "support/Run.h"

#include "support/Files.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ziptest {

namespace {

RunResult spawn(const std::vector<std::string> &args, const std::vector<std::string> &env,
                const std::string &workingDirectory, bool mergeErr)
{
    TempDir io;
    const std::string outPath = io.file("out"), errPath = io.file("err");

    std::vector<std::string> environment;
    for (char **e = environ; *e; ++e)
        environment.emplace_back(*e);
    for (const std::string &add : env) {
        const std::string key = add.substr(0, add.find('=') + 1);
        std::erase_if(environment, [&](const std::string &v) { return v.starts_with(key); });
        environment.push_back(add);
    }
    std::vector<char *> argv, envp;
    for (const auto &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto &e : environment)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (mergeErr)
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    else
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!workingDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    RunResult result;
    if (rc != 0)
        return result;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(outPath);
    if (!mergeErr)
        result.err = readFile(errPath);
    return result;
}

}  // namespace

RunResult run(const std::vector<std::string> &args, const std::vector<std::string> &env,
              const std::string &workingDirectory)
{
    return spawn(args, env, workingDirectory, false);
}

RunResult runOrvexzip(const std::vector<std::string> &args, const std::string &directory,
                      const std::vector<std::string> &env)
{
    std::vector<std::string> argv{std::string(ORVEX_BUILD_DIR) + "/orvexzip"};
    argv.insert(argv.end(), args.begin(), args.end());
    return spawn(argv, env, directory, false);
}

RunResult runTool(const std::vector<std::string> &args)
{
    return spawn(args, {}, {}, true);
}

int sh(const std::string &command, const std::string &directory)
{
    return spawn({"/bin/sh", "-c", command}, {}, directory, true).exitCode;
}

bool haveProgram(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && access((dir + "/" + name).c_str(), X_OK) == 0)
            return true;
    return false;
}

std::string checkWithTools(const std::string &archive, bool stub, bool extract)
{
    std::string problems;
    auto complain = [&](const std::string &tool, const RunResult &r) {
        problems += tool + " (status " + std::to_string(r.exitCode) + "):\n" + r.out + "\n";
    };
    if (const RunResult r = runTool({"unzip", "-tq", archive});
        r.exitCode != 0 || r.out.find("warning") != std::string::npos)
        complain("unzip -t", r);
    if (const RunResult r = runTool({"7zz", "t", "-bd", archive});
        r.exitCode != 0 || r.out.find("Everything is Ok") == std::string::npos
        || (!stub && (r.out.find("WARNING") != std::string::npos || r.out.find("Warnings") != std::string::npos)))
        complain("7zz t", r);
    if (const RunResult r = runTool({"bsdtar", "-tf", archive}); r.exitCode != 0)
        complain("bsdtar -tf", r);
    if (extract) {
        if (const RunResult r = runTool({"sh", "-c", "bsdtar -xOf \"$1\" > /dev/null", "sh", archive});
            r.exitCode != 0 || !r.out.empty())
            complain("bsdtar -xOf", r);
    }
    const char *script = "import sys, zipfile\n"
                         "with zipfile.ZipFile(sys.argv[1]) as z:\n"
                         "    bad = z.testzip()\n"
                         "    sys.exit('bad member: %s' % bad if bad else 0)\n";
    if (const RunResult r = runTool({"python3", "-W", "error", "-c", script, archive});
        r.exitCode != 0 || !r.out.empty())
        complain("python zipfile", r);
    return problems;
}

}  // namespace ziptest
