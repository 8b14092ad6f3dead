#pragma once
// The arithmetic of the per-file progress bar: one step per 32 KiB of a file,
// with 16-bit minimum, maximum and position as the desktop's bars hold them.

#include <cstdint>

class ProgressBarModel {
public:
    static constexpr int32_t BytesPerStep = 32768;

    uint16_t minimum = 0;
    uint16_t maximum = 100;
    uint16_t step = 10;
    uint16_t position = 0;

    // Minimum 0, maximum 10, step 1, position at the minimum: nothing done.
    void reset();
    // A file of `fileSize` bytes begins with nothing done: one step per full
    // 32 KiB (as many as the engine reports), at least one.
    void beginFile(int32_t fileSize);
    // One more step, unless the bar is full already.
    void fileStep();
    // Advances by `step`, never past the maximum.
    void stepIt();
};
