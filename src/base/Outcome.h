#pragma once

#include "base/Result.h"

#include <QString>

#include <optional>
#include <utility>

namespace morvane {

// What a read gives: its value, or the message that says for the user why there is none.
// Actions that give nothing back return a Result.
template <typename T> class Outcome {
public:
    Outcome(T value)
        : m_value(std::move(value))
    {}
    // A failed outcome; `failed` must not be a success.
    Outcome(Result failed)
        : m_message(std::move(failed.message))
    {
        Q_ASSERT(!failed.ok);
    }

    static Outcome failure(const QString& message) { return Outcome(Result::failure(message)); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty on success.
    const QString& message() const { return m_message; }
    Result result() const { return ok() ? Result::success() : Result::failure(m_message); }

    // Only on success.
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T& operator*() const& { return *m_value; }
    T& operator*() & { return *m_value; }
    const T* operator->() const { return &*m_value; }
    T* operator->() { return &*m_value; }

    T valueOr(T fallback) const& { return ok() ? *m_value : std::move(fallback); }
    T valueOr(T fallback) && { return ok() ? std::move(*m_value) : std::move(fallback); }

private:
    std::optional<T> m_value;
    QString m_message;
};

} // namespace morvane
