#include "engine/CallRecordFilling.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

template <typename Record>
void fillCommonFields(Record &record, const EngineCallSettings &s)
{
    record.Reserved0 = 0;
    record.Instance = s.instance;
    record.Version = EngineInterfaceVersion;
    record.Callback = s.callback;
    record.TraceFlag = s.trace;
    record.VerboseFlag = s.verbose || s.trace;
}

}  // namespace

void fillAddRecord(ZipCallRecord &record, const EngineCallSettings &s)
{
    fillCommonFields(record, s);
    const AddOpts &o = s.addOptions;
    record.Reserved20 = 0;
    record.Reserved28 = record.Reserved32 = record.Reserved36 = record.Reserved40 = 0;
    record.Constant44 = 1;
    record.Reserved48 = 0;
    record.Constant56 = 1;
    record.Level = s.level;
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
    record.Password = s.addPassword.empty() ? nullptr : s.addPassword.data();
    // A length past what the field holds still reaches the library as one
    // it refuses, never as a shorter password.
    record.PasswordLength = int32_t(std::min(s.addPassword.size(), size_t(INT32_MAX)));
}

void fillDeleteRecord(ZipCallRecord &record, const EngineCallSettings &s)
{
    fillAddRecord(record, s);
    record.DeleteFlag = 1;
    record.AddFlag = 0;
    record.DropDirNamesFlag = 0;
    record.Password = nullptr;
    record.PasswordLength = 0;
}

void fillExtractRecord(UnzipCallRecord &record, const EngineCallSettings &s)
{
    fillCommonFields(record, s);
    const ExtrOpts &o = s.extractOptions;
    record.Reserved24 = record.Reserved28 = record.Reserved32 = record.Reserved36 = 0;
    record.Constant40 = 1;
    record.UpdateFlag = o.contains(ExtrUpdate);
    record.FreshenFlag = o.contains(ExtrFreshen) && !o.contains(ExtrUpdate);
    record.DirNamesFlag = o.contains(ExtrDirNames);
    record.OverwriteFlag = o.contains(ExtrOverWrite);
    record.Constant72 = 7;
    record.TestFlag = 0;
    record.NameCharset = s.nameCharset && *s.nameCharset ? s.nameCharset : nullptr;
    record.Password = s.passwordCallback;
    record.PrivateFlag = o.contains(ExtrPrivate);
}

void fillTestRecord(UnzipCallRecord &record, const EngineCallSettings &s)
{
    fillExtractRecord(record, s);
    record.TestFlag = 1;
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
