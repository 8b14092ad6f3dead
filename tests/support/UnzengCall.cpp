#include "support/EngineCalls.h"

#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace ziptest {

CallResult extract(const std::string &archive, const std::string &target, const Options &options)
{
    CallRecorder recorder(options.cancel);
    auto record = std::make_unique<UnzipCallRecord>();
    std::memset(record.get(), 0, sizeof *record);
    recorder.attach(*record, options.trace, options.verbose);
    record->Constant40 = 1;
    record->UpdateFlag = options.update;
    record->FreshenFlag = options.freshen && !options.update;
    record->DirNamesFlag = options.dirNames;
    record->OverwriteFlag = options.overwrite;
    record->TestFlag = options.test;
    record->PrivateFlag = options.privateCopies;
    record->FileSpecCount = static_cast<int32_t>(options.specs.size());
    record->ArchiveName = archive.c_str();
    record->Constant72 = 7;
    if (options.nameCharset)
        record->NameCharset = options.nameCharset->c_str();
    for (size_t i = 0; i < options.specs.size(); ++i)
        record->FileSpecs[i] = options.specs[i].c_str();
    CallResult outcome;
    if (options.targetAsBase) {
        record->BaseDirectory = target.c_str();
        outcome.result = orvex_unzeng_call(record.get());
        outcome.calls = std::move(recorder.calls);
        return outcome;
    }

    const int previous = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (::chdir(target.c_str()) != 0)
        throw std::runtime_error("cannot enter " + target);
    struct Restore {
        int fd;
        ~Restore()
        {
            if (::fchdir(fd) != 0) {
            }
            ::close(fd);
        }
    } restore{previous};
    outcome.result = orvex_unzeng_call(record.get());
    outcome.calls = std::move(recorder.calls);
    return outcome;
}

}  // namespace ziptest
