#pragma once

#include <QByteArray>
#include <QString>

namespace morvane::test {

// Writes `bytes` to `path`, creating the folders on its way; a failure fails the running test.
void writeTestFile(const QString& path, const QByteArray& bytes = QByteArray());

// The file's bytes, or "<missing>" when it cannot be read.
QByteArray readTestFile(const QString& path);

} // namespace morvane::test
