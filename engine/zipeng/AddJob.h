#pragma once
// Adding files to an archive, with the update, freshen, move, archive-time
// and DOS-name variants: the plan of what goes where, then the files written
// in order while workers prepare those ahead.

#include "engine/zipeng/Job.h"
#include "engine/zipeng/PiecedFile.h"
#include "engine/zipeng/PreparedFile.h"
#include "engine/zipeng/ReadAhead.h"
#include "engine/zipeng/SourceScan.h"
#include "engine/zipeng/WorkerPool.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zipeng {

class AddJob : public Job {
public:
    // Relative sources are opened, listed and deleted under `base`.
    AddJob(const JobOptions &options, Reporter &reporter, int base) : Job(options, reporter), base_(base) {}
    int32_t run(const std::string &archive);

private:
    struct Entry {
        int member = -1;  // an old member kept, or replaced by the source
        int source = -1;  // a source written
    };
    struct Written {
        std::string path;
        bool directory;
        struct stat status;
        std::string link;  // see SourceItem::link
    };
    struct StreamResult {
        uint32_t crc = 0;
        uint64_t packed = 0;
        uint64_t unpacked = 0;
        bool shrank = false;
    };

    std::vector<Entry> plan(const std::vector<SourceItem> &sources);
    MemberRecord newRecord(const SourceItem &item, const struct stat &status, uint16_t method) const;
    bool writeDirectory(const SourceItem &item);
    bool writePrepared(const SourceItem &item, Prepared &p);
    // A file too large to read whole: its pieces, deflated by the workers, or
    // its bytes stored as they are read here.
    bool writeLarge(const SourceItem &item, PiecedFile &file);
    StreamResult deflatePieces(PiecedFile &file);
    StreamResult storeStream(int fd, uint64_t size, bool withSteps, MemberEncryption *encryption);
    const Secret *password() const { return options_.password.empty() ? nullptr : &options_.password; }
    // After the new archive is in place: messages only, a cancel no longer applies.
    void moveSources();

    int base_;
    int level_ = 0;
    std::atomic<bool> stop_{false};
    std::optional<WorkerPool> pool_;
    ReadAhead *ahead_ = nullptr;
    std::vector<Written> written_;
};

}  // namespace zipeng
