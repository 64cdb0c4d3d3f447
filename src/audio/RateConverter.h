#pragma once

#include "audio/AuHeader.h"

#include <QtGlobal>

namespace morvane::audio {

// Brings a sample stream to the AU rate by averaging the inputs gathered over each output period.
// The time accumulator is a double compared strictly, so the grouping (and every output value)
// is the same on every machine; inputs after the last output are dropped.
class RateConverter {
public:
    explicit RateConverter(double sourceRate)
        : m_step(1.0 / sourceRate)
    {}

    // Adds one input; returns true when that completes an output, stored in `output`.
    bool push(int input, int& output)
    {
        m_sum += input;
        ++m_count;
        m_time += m_step;
        if (!(m_time > kPeriod)) {
            return false;
        }
        output = static_cast<int>(static_cast<double>(m_sum) / static_cast<double>(m_count));
        m_time -= kPeriod;
        m_sum = 0;
        m_count = 0;
        return true;
    }

private:
    static constexpr double kPeriod = 1.0 / kAuSampleRate;

    double m_step;
    double m_time = 0.0;
    qint64 m_sum = 0;
    qint64 m_count = 0;
};

} // namespace morvane::audio
