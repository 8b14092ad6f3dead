#include "dialogs/ProgressBarModel.h"

#include <algorithm>

void ProgressBarModel::reset()
{
    minimum = 0;
    maximum = 10;
    step = 1;
    position = minimum;
}

void ProgressBarModel::beginFile(int32_t fileSize)
{
    reset();
    const int32_t steps = fileSize / BytesPerStep;
    maximum = steps >= 1 ? uint16_t(std::min<int32_t>(steps, UINT16_MAX)) : 1;
}

void ProgressBarModel::fileStep()
{
    if (position < maximum)
        stepIt();
}

void ProgressBarModel::stepIt()
{
    position = uint16_t(std::min<int>(position + step, maximum));
}
