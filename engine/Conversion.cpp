#include "engine/Conversion.h"

#include "engine/CallRecordFilling.h"

#include <algorithm>
#include <climits>
#include <string.h>
#include <utility>

namespace orvex {

// Hands each entry the reader tells it to the writer. An entry the writer
// passes over (a name refused, one already in the archive) counts as failed
// here; one the reader could not read to the end, in the reader's count.
class ConversionSink : public EntrySink {
public:
    explicit ConversionSink(ZipConversion &conversion) : conversion_(conversion) {}

    bool begin(const StreamEntry &entry) override
    {
        if (conversion_.broken_)
            return false;
        ZipStreamEntry told{};
        told.Name = entry.name.c_str();
        const bool link = entry.kind == StreamEntryKind::Symlink || entry.kind == StreamEntryKind::HardLink;
        told.Kind = entry.kind == StreamEntryKind::Directory  ? ZipStreamDirectory
                    : entry.kind == StreamEntryKind::Symlink  ? ZipStreamSymlink
                    : entry.kind == StreamEntryKind::HardLink ? ZipStreamHardLink
                                                              : ZipStreamFile;
        told.Mode = entry.mode;
        told.Modified = entry.modified;
        told.Size = link ? entry.linkTarget.size() : entry.size.value_or(0);
        told.SizeKnown = link || entry.size ? 1 : 0;
        const int32_t begun = orvex_zipeng_stream_entry(conversion_.stream_, &told);
        if (begun == ZipStreamOmitted)
            return false;
        writing_ = answer(begun);
        // A link's target is its data.
        if (writing_ && link)
            writing_ =
                answer(orvex_zipeng_stream_data(conversion_.stream_, entry.linkTarget.data(), entry.linkTarget.size()));
        return writing_;
    }

    bool data(const void *bytes, size_t length) override
    {
        if (conversion_.broken_)
            return false;
        if (writing_)
            writing_ = answer(orvex_zipeng_stream_data(conversion_.stream_, bytes, length));
        return !conversion_.broken_ && !conversion_.events_->stopRequested();
    }

    bool end(bool complete) override
    {
        if (conversion_.broken_)
            return false;
        if (std::exchange(writing_, false)) {
            const int32_t ended = orvex_zipeng_stream_end_entry(conversion_.stream_, complete ? 1 : 0);
            if (ended == ZipStreamGoOn)
                ++conversion_.result_.written;
            else if (complete)
                answer(ended);
        }
        return !conversion_.broken_ && !conversion_.events_->stopRequested();
    }

private:
    // True while the entry is being written.
    bool answer(int32_t result)
    {
        if (result == ZipStreamStop)
            conversion_.broken_ = true;
        else if (result == ZipStreamPassed)
            ++conversion_.result_.failed;
        return result == ZipStreamGoOn;
    }

    ZipConversion &conversion_;
    bool writing_ = false;
};

ZipConversion::ZipConversion(ConversionRequest request) : request_(std::move(request)) {}

ZipConversion::~ZipConversion()
{
    // Nobody hears what a discarded archive's writer says any more.
    events_ = nullptr;
    if (stream_)
        orvex_zipeng_stream_finish(stream_, 0);
    ::explicit_bzero(request_.password.data(), request_.password.size());
}

int32_t ZipConversion::callback(CallbackRecord *record)
{
    auto &self = *static_cast<ZipConversion *>(record->Instance);
    if (!self.events_)
        return 1;
    try {
        switch (record->Action) {
        case ZipActionFileBegin: self.events_->progress(FileBegin, record->Text, record->FileSize); break;
        case ZipActionFileStep: self.events_->progress(FileStep, " ", 0); break;
        case ZipActionBatchEnd: self.events_->progress(BatchEnd, " ", 0); break;
        case ZipActionMessage: self.events_->message(record->ErrorCode, trimMessage(record->Text)); break;
        case ZipActionWorking: self.events_->progress(Working, " ", 0); break;
        default: break;
        }
        return self.events_->stopRequested() ? 1 : 0;
    } catch (...) {
        // Nothing may unwind through the library: what a handler threw stops it.
        self.broken_ = true;
        return 1;
    }
}

ConversionResult ZipConversion::write(const EntryReader &reader, ArchiveEvents &events)
{
    events_ = &events;
    if (request_.password.size() > size_t(MaxPasswordLength)) {
        events.message(16, "The password is longer than " + std::to_string(MaxPasswordLength)
                               + " bytes; nothing was written");
        return result_;
    }
    ZipStreamRecord record{};
    record.Version = EngineInterfaceVersion;
    record.Instance = this;
    record.Callback = &ZipConversion::callback;
    record.ArchiveName = request_.target.c_str();
    record.Level = std::clamp(request_.level, 0, 9);
    record.ReplaceFlag = request_.replace ? 1 : 0;
    if (!request_.password.empty()) {
        record.Password = request_.password.data();
        record.PasswordLength = int32_t(request_.password.size());
    }
    stream_ = orvex_zipeng_stream_begin(&record);
    if (!stream_) {
        result_.writeFailed = true;
        return result_;
    }
    ConversionSink sink(*this);
    const StreamOutcome outcome = reader(sink, events);
    result_.failed += outcome.failed;
    result_.cancelled = events.stopRequested();
    result_.writeFailed = broken_ && !result_.cancelled;
    return result_;
}

bool ZipConversion::commit(ArchiveEvents &events)
{
    events_ = &events;
    if (!stream_)
        return false;
    ZipStream *stream = std::exchange(stream_, nullptr);
    const bool wanted = !broken_ && !result_.cancelled && result_.written > 0;
    const int32_t written = orvex_zipeng_stream_finish(stream, wanted ? 1 : 0);
    result_.placed = wanted && written >= 0;
    result_.writeFailed = result_.writeFailed || (wanted && written < 0);
    return result_.placed;
}

ConversionResult convert(const ConversionRequest &request, const EntryReader &reader, ArchiveEvents &events)
{
    const std::unique_ptr<ArchiveConversion> conversion = makeConversion(request);
    conversion->write(reader, events);
    conversion->commit(events);
    return conversion->result();
}

}  // namespace orvex
