#pragma once
// Filling the engine libraries' parameter records from the component's settings.

#include "engine/EngineOptions.h"
#include "engine/common/CallRecords.h"

#include <string>
#include <string_view>
#include <vector>

struct EngineCallSettings {
    void *instance = nullptr;
    EngineCallback callback = nullptr;
    bool verbose = false;
    bool trace = false;
    int level = 9;
    AddOpts addOptions;
    ExtrOpts extractOptions;
    // Point into the component, which outlives the call.
    std::string_view addPassword;       // empty: nothing encrypted; NULs are part of it
    const char *nameCharset = nullptr;  // null or empty: guessed
    PasswordCallback passwordCallback = nullptr;
};

// Sets the fields an add writes; the others keep what they held.
void fillAddRecord(ZipCallRecord &record, const EngineCallSettings &settings);
// As an add, then the delete flag on and the add and drop-names flags off.
void fillDeleteRecord(ZipCallRecord &record, const EngineCallSettings &settings);
void fillExtractRecord(UnzipCallRecord &record, const EngineCallSettings &settings);
// As an extraction, with the test flag on: nothing is written.
void fillTestRecord(UnzipCallRecord &record, const EngineCallSettings &settings);

// Points the record at the archive name and at specs[first, first + count).
// The strings must outlive the call.
template <typename Record>
void setFileSpecs(Record &record, const std::string &archiveName, const std::vector<std::string> &specs, size_t first,
                  size_t count)
{
    record.ArchiveName = archiveName.c_str();
    record.FileSpecCount = 0;
    for (size_t i = 0; i < count; ++i)
        record.FileSpecs[record.FileSpecCount++] = specs[first + i].c_str();
}

// The message of a library without a trailing line break of one or two characters.
std::string trimMessage(const char *text);
