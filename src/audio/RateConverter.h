#pragma once

#include "audio/AuHeader.h"

#include <QtGlobal>

namespace morvane::audio {

// Brings a faster sample stream down to the AU rate by averaging the inputs gathered over each
// output period. The time accumulator is a double compared strictly, so the grouping (and every
// output value) is the same on every machine; inputs after the last output are dropped.
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

// Brings a slower sample stream up to the AU rate, so that the sound keeps its length: output k
// is the input at time k / kAuSampleRate, on the line between the two inputs around it, and the
// last input is held to the end of its period. The clock counts in whole units of
// 1 / (sourceRate * kAuSampleRate) seconds, so every machine gives the same values.
class Upsampler {
public:
    // `sourceRate` is below kAuSampleRate.
    explicit Upsampler(quint32 sourceRate)
        : m_rate(static_cast<int>(sourceRate))
    {}

    // Adds one input and puts the outputs that fall before it.
    template <typename Put> void push(int input, Put&& put)
    {
        if (m_empty) {
            m_empty = false;
        } else {
            for (; m_phase < kAuSampleRate; m_phase += m_rate) {
                put(m_previous + (input - m_previous) * m_phase / kAuSampleRate);
            }
            m_phase -= kAuSampleRate;
        }
        m_previous = input;
    }

    // Puts the outputs that fall in the last input's period; once, after the last push.
    template <typename Put> void finish(Put&& put)
    {
        if (m_empty) {
            return;
        }
        for (; m_phase < kAuSampleRate; m_phase += m_rate) {
            put(m_previous);
        }
    }

private:
    int m_rate;
    // The time of the next output after the previous input's.
    int m_phase = 0;
    int m_previous = 0;
    bool m_empty = true;
};

} // namespace morvane::audio
