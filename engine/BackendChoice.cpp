#include "engine/BackendChoice.h"

#include "engine/ArchiveDirectoryReader.h"
#include "engine/OtherFormatBackend.h"
#include "engine/ZipBackend.h"
#include "engine/otherformats/OtherFormats.h"
#include "engine/otherformats/WriteFormat.h"
#include "engine/zipformat/SplitParts.h"

namespace orvex {

std::unique_ptr<ArchiveBackend> chooseBackend(const std::string &archive, ZipLibraries &libraries,
                                              const std::function<bool()> &stopAsked, bool listingFollows)
{
    if (ArchiveDirectoryReader::archiveExists(archive)) {
        otherformats::ReadOptions options;
        options.stopAsked = stopAsked;
        otherformats::Sighting sighting = listingFollows
                                              ? otherformats::detectForListing(archive, options)
                                              : otherformats::Sighting{otherformats::detect(archive, options), nullptr};
        const otherformats::Detection &detection = sighting.detection;
        // Asked only when the content says another format: a ZIP needs no second look.
        if (detection.verdict == otherformats::Verdict::Other
            && zipformat::findSplitParts(archive).kind == zipformat::SplitParts::Kind::Single) {
            const std::optional<otherformats::WriteFormat> format = otherformats::writeFormatOf(detection);
            return std::make_unique<OtherFormatBackend>(archive, std::move(sighting), format);
        }
    } else if (const std::optional<otherformats::WriteFormat> format = otherformats::writeFormatForName(archive)) {
        // A new archive is made in the format its name gives.
        return std::make_unique<OtherFormatBackend>(archive, otherformats::Sighting{}, format);
    }
    return std::make_unique<ZipBackend>(archive, libraries);
}

}  // namespace orvex
