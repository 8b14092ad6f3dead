#include "support/EngineCalls.h"

#include <memory>

namespace ziptest {

CallResult callEngine(const std::string &archive, const std::vector<std::string> &args, const Flags &flags,
                      CancelRule cancel)
{
    CallRecorder recorder(std::move(cancel));
    auto record = std::make_unique<ZipCallRecord>();  // zero-filled
    recorder.attach(*record, flags.trace, flags.verbose);
    record->Constant44 = 1;
    record->Constant56 = 1;
    record->Level = flags.level;
    record->DropDirNamesFlag = flags.remove ? 0 : !flags.dirNames;
    record->RecurseFlag = flags.recurse;
    record->AddFlag = flags.remove ? 0 : 1;
    record->ForceDosFlag = flags.forceDos;
    record->MoveFlag = flags.move;
    record->DeleteFlag = flags.remove;
    record->UpdateFlag = flags.update;
    record->FreshenFlag = flags.freshen && !flags.update;
    record->ArchiveTimeFlag = flags.archiveTime;
    record->ArchiveName = archive.c_str();
    record->Constant128 = 7;
    record->BaseDirectory = flags.base ? flags.base->c_str() : nullptr;
    record->Password = flags.password ? flags.password->data() : nullptr;
    record->PasswordLength = flags.password ? static_cast<int32_t>(flags.password->size()) : 0;
    record->ArchiveFolder = flags.folder ? flags.folder->c_str() : nullptr;
    record->FileSpecCount = static_cast<int32_t>(args.size());
    for (size_t i = 0; i < args.size(); ++i)
        record->FileSpecs[i] = args[i].c_str();
    CallResult result;
    result.result = orvex_zipeng_call(record.get());
    result.calls = std::move(recorder.calls);
    return result;
}

std::unique_ptr<ZipCallRecord> bareAddRecord(const char *archive, const char *file)
{
    auto record = std::make_unique<ZipCallRecord>();  // zero-filled
    record->Version = EngineInterfaceVersion;
    record->Level = 6;
    record->AddFlag = 1;
    record->ArchiveName = archive;
    record->FileSpecCount = 1;
    record->FileSpecs[0] = file;
    return record;
}

}  // namespace ziptest
