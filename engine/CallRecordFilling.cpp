#include "engine/CallRecordFilling.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

template <typename Record>
void fillCommonFields(Record &record, const orvex::CallFlags &flags, const LibraryHooks &hooks)
{
    record.Reserved0 = 0;
    record.Instance = hooks.instance;
    record.Version = EngineInterfaceVersion;
    record.Callback = hooks.callback;
    record.TraceFlag = flags.trace;
    record.VerboseFlag = flags.verbose || flags.trace;
}

}  // namespace

void fillAddRecord(ZipCallRecord &record, const orvex::AddRequest &request, const LibraryHooks &hooks)
{
    fillCommonFields(record, request.flags, hooks);
    const AddOpts &o = request.options;
    record.Reserved20 = 0;
    record.Reserved28 = record.Reserved32 = record.Reserved36 = record.Reserved40 = 0;
    record.Constant44 = 1;
    record.Reserved48 = 0;
    record.Constant56 = 1;
    record.Level = request.level;
    record.Reserved64 = record.Reserved68 = 0;
    record.DropDirNamesFlag = !o.contains(AddDirNames);
    record.RecurseFlag = o.contains(AddRecurseDirs);
    record.AddFlag = 1;
    record.ForceDosFlag = o.contains(AddForceDOS);
    record.MoveFlag = o.contains(AddMove);
    record.DeleteFlag = 0;
    record.UpdateFlag = o.contains(AddUpdate);
    // Only one of the two modes goes to the library.
    record.FreshenFlag = o.contains(AddFreshen) && !o.contains(AddUpdate);
    record.Reserved104 = 0;
    record.ArchiveTimeFlag = o.contains(AddZipTime);
    record.Constant128 = 7;
    const std::string &password = request.password.bytes();
    record.Password = password.empty() ? nullptr : password.data();
    // A length past what the field holds still reaches the library as one
    // it refuses, never as a shorter password.
    record.PasswordLength = int32_t(std::min(password.size(), size_t(INT32_MAX)));
    record.ArchiveFolder = request.archiveFolder.empty() ? nullptr : request.archiveFolder.c_str();
}

void fillDeleteRecord(ZipCallRecord &record, const orvex::DeleteRequest &request, const LibraryHooks &hooks)
{
    fillAddRecord(record, orvex::AddRequest{.options = request.options, .level = request.level, .flags = request.flags},
                  hooks);
    record.DeleteFlag = 1;
    record.AddFlag = 0;
    record.DropDirNamesFlag = 0;
    record.Password = nullptr;
    record.PasswordLength = 0;
    record.ArchiveFolder = nullptr;
}

void fillExtractRecord(UnzipCallRecord &record, const orvex::ExtractRequest &request, const LibraryHooks &hooks)
{
    fillCommonFields(record, request.flags, hooks);
    const ExtrOpts &o = request.options;
    record.Reserved24 = record.Reserved28 = record.Reserved32 = record.Reserved36 = 0;
    record.Constant40 = 1;
    record.UpdateFlag = o.contains(ExtrUpdate);
    record.FreshenFlag = o.contains(ExtrFreshen) && !o.contains(ExtrUpdate);
    record.DirNamesFlag = o.contains(ExtrDirNames);
    record.OverwriteFlag = o.contains(ExtrOverWrite);
    record.Constant72 = 7;
    record.TestFlag = request.test;
    record.NameCharset = request.nameCharset.empty() ? nullptr : request.nameCharset.c_str();
    record.Password = hooks.password;
    record.PrivateFlag = o.contains(ExtrPrivate);
    record.MemberData = nullptr;  // set by the conversion's reading alone
    record.BaseFolder = request.test || request.baseFolder.empty() ? nullptr : request.baseFolder.c_str();
}

std::string trimMessage(const char *text)
{
    std::string message = text ? text : "";
    // Cut at the first of the last two characters that is a line break.
    const size_t length = message.size();
    for (size_t i = length >= 2 ? length - 2 : 0; i < length; ++i) {
        if (message[i] == '\r' || message[i] == '\n') {
            message.resize(i);
            break;
        }
    }
    return message;
}
