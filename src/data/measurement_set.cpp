#include "data/measurement_set.h"

#include <algorithm>

void MeasurementSet::clear()
{
    refCount = 0;
    ampCount = 0;
    for (auto &series : ampSeries)
        std::fill(std::begin(series), std::end(series), 0.0);
    std::fill(std::begin(ampLineNumbers), std::end(ampLineNumbers), 0);
    clearReference();
}

void MeasurementSet::clearReference()
{
    refCount = 0;
    for (auto &series : refSeries)
        std::fill(std::begin(series), std::end(series), 0.0);
    std::fill(std::begin(refLineNumbers), std::end(refLineNumbers), 0);
}
