// The conversion into tar (and its compressions) or 7z: the entries go
// through OtherArchiveOutput, which leaves out what it cannot write (a hard
// link into 7z, which keeps none) with a message, as the ZIP writer leaves
// out a name it refuses.
#include "engine/Conversion.h"
#include "engine/OtherArchiveOutput.h"
#include "engine/otherformats/WriteFormat.h"

#include <sys/stat.h>

namespace orvex {

namespace {

constexpr int BadParameters = 16;  // the add library's code for an unusable request

class OtherConversion : public ArchiveConversion {
public:
    OtherConversion(ConversionRequest request, otherformats::WriteFormat format)
        : request_(std::move(request)), format_(format)
    {
    }

    ConversionResult write(const EntryReader &reader, ArchiveEvents &events) override
    {
        if (!request_.password.empty()) {
            events.message(BadParameters, "A " + otherformats::formatLabel(format_)
                                              + " archive is written without encryption here; nothing was written");
            result_.writeFailed = true;
            return result_;
        }
        output_ = std::make_unique<OtherArchiveOutput>(
            request_.target, otherformats::WriterSettings{format_, request_.level, 0}, events);
        output_->wholeOrNothing = false;
        if (!output_->open()) {
            result_.writeFailed = true;
            return result_;
        }
        const StreamOutcome outcome = reader(*output_, events);
        result_.written = output_->written();
        result_.failed = outcome.failed + output_->left();
        result_.cancelled = events.stopRequested();
        result_.writeFailed = output_->broken() && !result_.cancelled;
        return result_;
    }

    bool commit(ArchiveEvents &events) override
    {
        if (!output_ || result_.writeFailed || result_.cancelled || result_.written == 0)
            return false;
        output_->setEvents(events);
        OtherArchiveOutput::Placement placement;
        placement.replace = request_.replace;
        result_.placed = output_->commit(placement);
        result_.writeFailed = !result_.placed;
        return result_.placed;
    }

    const ConversionResult &result() const override { return result_; }

private:
    ConversionRequest request_;
    otherformats::WriteFormat format_;
    std::unique_ptr<OtherArchiveOutput> output_;
    ConversionResult result_;
};

}  // namespace

std::unique_ptr<ArchiveConversion> makeConversion(ConversionRequest request)
{
    if (const std::optional<otherformats::WriteFormat> format = otherformats::writeFormatForName(request.target))
        return std::make_unique<OtherConversion>(std::move(request), *format);
    return std::make_unique<ZipConversion>(std::move(request));
}

}  // namespace orvex
