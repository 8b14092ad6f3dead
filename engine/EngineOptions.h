#pragma once
// Option sets and event types of the archive component.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

class TZipEngine;

// A set of enumeration values; bit i stands for element i.
template <typename Enum>
class OptionSet {
public:
    constexpr OptionSet() = default;
    constexpr OptionSet(std::initializer_list<Enum> values)
    {
        for (Enum v : values)
            bits_ |= bit(v);
    }
    constexpr bool contains(Enum v) const { return (bits_ & bit(v)) != 0; }
    constexpr OptionSet &insert(Enum v)
    {
        bits_ |= bit(v);
        return *this;
    }
    constexpr OptionSet &erase(Enum v)
    {
        bits_ &= ~bit(v);
        return *this;
    }
    constexpr uint32_t bits() const { return bits_; }
    constexpr bool empty() const { return bits_ == 0; }
    friend constexpr bool operator==(OptionSet, OptionSet) = default;

private:
    static constexpr uint32_t bit(Enum v) { return uint32_t(1) << unsigned(v); }
    uint32_t bits_ = 0;
};

enum AddOptsEnum {
    AddDirNames = 0,     // store each file's path with its name
    AddRecurseDirs = 1,  // include the subdirectories below each file spec
    AddMove = 2,         // delete the sources once they are in the archive
    AddFreshen = 3,
    AddUpdate = 4,
    AddZipTime = 5,   // give the archive the time of its newest member
    AddForceDOS = 6,  // make the names fit the DOS 8.3 form
};
using AddOpts = OptionSet<AddOptsEnum>;

enum ExtrOptsEnum {
    ExtrDirNames = 0,  // recreate the stored directories
    ExtrOverWrite = 1,
    ExtrFreshen = 2,
    ExtrUpdate = 3,
    // Copies for the user alone: files 0600, folders 0700, never executable.
    ExtrPrivate = 4,
};
using ExtrOpts = OptionSet<ExtrOptsEnum>;

// What the user chose for an add or an extraction, whichever way it was
// asked (a dialog, a drop, orvexzip's flags), and the one place where each
// choice becomes an option.
struct AddChoices {
    bool dirNames = false;  // keep each file's path
    bool recurseDirs = false;
    bool moveFiles = false;
    bool updateOnly = false;    // add only files newer than their member, or new
    bool freshenOnly = false;   // replace only members that exist and are older
    bool useTimestamp = false;  // give the archive its newest member's time
    bool forceDos = false;
};

inline AddOpts addOptionsFor(const AddChoices &c)
{
    AddOpts options;
    const std::pair<bool, AddOptsEnum> chosen[] = {
        {c.dirNames, AddDirNames}, {c.recurseDirs, AddRecurseDirs}, {c.moveFiles, AddMove},
        {c.updateOnly, AddUpdate}, {c.freshenOnly, AddFreshen},     {c.useTimestamp, AddZipTime},
        {c.forceDos, AddForceDOS},
    };
    for (const auto &[yes, option] : chosen)
        if (yes)
            options.insert(option);
    return options;
}

struct ExtractOptionChoices {
    bool dirNames = false;  // recreate the stored folders
    bool overwrite = false;
    bool updateOnly = false;
    bool freshenOnly = false;
};

inline ExtrOpts extractOptionsFor(const ExtractOptionChoices &c)
{
    ExtrOpts options;
    const std::pair<bool, ExtrOptsEnum> chosen[] = {
        {c.dirNames, ExtrDirNames},
        {c.overwrite, ExtrOverWrite},
        {c.updateOnly, ExtrUpdate},
        {c.freshenOnly, ExtrFreshen},
    };
    for (const auto &[yes, option] : chosen)
        if (yes)
            options.insert(option);
    return options;
}

// Working: the library is busy and has nothing new to show; a handler may
// repaint and let a cancel through.
enum ProgressType { FileBegin = 0, FileStep = 1, BatchEnd = 2, Working = 3 };

using TProgressEvent =
    std::function<void(TZipEngine &sender, ProgressType type, const std::string &fileName, int32_t fileSize)>;
using TMessageEvent = std::function<void(TZipEngine &sender, int errCode, const std::string &message)>;
