// The record read into options, and the job it asks for run with every
// failure turned into a message. The jobs themselves: AddJob.cpp,
// DeleteJob.cpp, with the frame they share in Job.h (RenameJob.cpp too, from
// its own entry point).

#include "engine/zipeng/ZipJob.h"

#include "engine/common/ArchivePath.h"
#include "engine/common/Directory.h"
#include "engine/common/SafeNames.h"
#include "engine/common/UniqueFd.h"
#include "engine/zipeng/AddJob.h"
#include "engine/zipeng/DeleteJob.h"
#include "engine/zipeng/ErrorCodes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <vector>

namespace zipeng {

bool readRecord(const ZipCallRecord &record, JobOptions &options, Reporter &reporter)
{
    if (record.Version != EngineInterfaceVersion) {
        reporter.message(BadParameters, "Unsupported interface version " + std::to_string(record.Version));
        return false;
    }
    if (!record.ArchiveName || !*record.ArchiveName) {
        reporter.message(BadParameters, "No archive name was given");
        return false;
    }
    if (record.FileSpecCount < 0 || record.FileSpecCount > MaxFileSpecs) {
        reporter.message(BadParameters, "Invalid number of file arguments: " + std::to_string(record.FileSpecCount));
        return false;
    }
    options.archive = record.ArchiveName;
    if (record.BaseDirectory)
        options.baseDirectory = record.BaseDirectory;
    for (int i = 0; i < record.FileSpecCount; ++i) {
        if (record.FileSpecs[i])
            options.args.emplace_back(record.FileSpecs[i]);
    }
    options.level = record.Level;
    options.remove = record.DeleteFlag != 0;
    options.dropDirNames = record.DropDirNamesFlag != 0;
    options.recurse = record.RecurseFlag != 0;
    options.forceDos = record.ForceDosFlag != 0;
    options.move = record.MoveFlag != 0;
    options.update = record.UpdateFlag != 0;
    options.freshen = record.FreshenFlag != 0 && !options.update;
    options.archiveTime = record.ArchiveTimeFlag != 0;
    if (!options.remove && record.ArchiveFolder && *record.ArchiveFolder) {
        options.folder = record.ArchiveFolder;
        if (const std::string problem = common::folderNameProblem(options.folder); !problem.empty()) {
            reporter.message(BadParameters, "Nothing was added: " + problem);
            return false;
        }
    }
    if (record.Password) {
        // Encrypting with less than the whole password, or with none, would
        // write what the caller cannot open as it expects.
        if (record.PasswordLength <= 0 || record.PasswordLength > MaxPasswordLength) {
            reporter.message(BadParameters, "The password's length " + std::to_string(record.PasswordLength)
                                                + " is not from 1 to " + std::to_string(MaxPasswordLength) + " bytes");
            return false;
        }
        options.password = Secret(std::string_view(record.Password, size_t(record.PasswordLength)));
    }
    return true;
}

int32_t reportFailures(const std::string &archive, Reporter &reporter, const std::function<int32_t()> &job)
{
    try {
        return job();
    } catch (const Cancelled &) {
        reporter.message(InfoCode, "Cancelled: " + archive + " was left unchanged");
    } catch (const JobError &error) {
        reporter.message(error.code, error.message);
    } catch (const std::bad_alloc &) {
        reporter.message(OutOfMemory, "Out of memory; " + archive + " was left unchanged");
    } catch (const std::exception &error) {
        reporter.message(InternalError, std::string("Internal error: ") + error.what());
    } catch (...) {
        reporter.message(InternalError, "Internal error; " + archive + " was left unchanged");
    }
    return 0;
}

int32_t runJob(const JobOptions &options, Reporter &reporter)
{
    return reportFailures(options.archive, reporter, [&]() -> int32_t {
        const std::string archive = common::resolveArchivePath(options.archive);
        if (options.remove) {
            if (options.args.empty()) {
                reporter.message(NothingMatched, "No members were named for deletion");
                return 0;
            }
            return DeleteJob(options, reporter).run(archive);
        }
        if (options.args.empty() && !options.update && !options.freshen) {
            reporter.message(NothingMatched, "No files were named to add");
            return 0;
        }
        if (!options.baseDirectory)
            return AddJob(options, reporter, AT_FDCWD).run(archive);
        // Never the current directory instead: the caller named another.
        // O_PATH: relative arguments are only looked up under it.
        const int base = common::openSearchableDirectory(*options.baseDirectory, O_PATH);
        if (base < 0) {
            reporter.message(OpenError,
                             "Cannot open the base directory " + *options.baseDirectory + ": " + errorText(errno));
            return 0;
        }
        const common::UniqueFd closer(base);
        return AddJob(options, reporter, base).run(archive);
    });
}

}  // namespace zipeng
