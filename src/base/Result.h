#pragma once

#include <QString>

namespace morvane {

// What an action that may fail gives: success, or the message that says why for the user.
struct Result {
    bool ok = true;
    QString message;

    static Result success() { return {}; }
    static Result failure(const QString& text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};

} // namespace morvane
