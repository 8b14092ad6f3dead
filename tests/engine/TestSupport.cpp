#include "TestSupport.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ziptest {

TempDir::TempDir()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/orvex-engine-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string &name, const std::string &bytes) const
{
    const std::string p = file(name);
    std::ofstream(p, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    return p;
}

static std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

RunResult run(const std::vector<std::string> &args, const std::vector<std::string> &env,
              const std::string &workingDirectory)
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
    result.out = slurp(outPath);
    result.err = slurp(errPath);
    return result;
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

std::vector<std::string> Listing::names() const
{
    std::vector<std::string> out;
    for (const auto &e : entries)
        out.push_back(e.FileName);
    return out;
}

Listing listArchive(const std::string &path)
{
    Listing listing;
    TZipEngine engine;
    engine.OnDirUpdate = [&](TZipEngine &) { ++listing.dirUpdates; };
    try {
        engine.setZipFilename(path);
    } catch (const EZipError &e) {
        listing.error = e.what();
    }
    for (int i = 0; i < engine.EntryCount(); ++i)
        listing.entries.push_back(engine.Entries(i));
    return listing;
}

}  // namespace ziptest
