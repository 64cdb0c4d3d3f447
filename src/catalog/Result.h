#pragma once

#include <QString>

namespace morvane {

// The outcome of an operation that may fail with a message for the user.
struct Result {
    bool ok = true;
    QString message;

    static Result success() { return {}; }
    static Result failure(const QString& text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};

} // namespace morvane
