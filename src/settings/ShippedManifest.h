#pragma once

#include "catalog/Result.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

namespace morvane::settings {

// The content of a file as the user's copy received it from the shipped data.
struct ShippedRecord {
    QByteArray sha256; // lower-case hexadecimal
    qint64 size = -1;

    bool operator==(const ShippedRecord&) const = default;
};

// Relative path (with '/') → what was last copied there.
using ShippedManifest = QMap<QString, ShippedRecord>;

QString shippedManifestPath(const QString& userDir);

// A missing or unreadable manifest is empty and a malformed line is left out: a file without a
// record is only ever recorded, never replaced, so a damaged manifest costs no user's file.
ShippedManifest readShippedManifest(const QString& userDir);

Result writeShippedManifest(const QString& userDir, const ShippedManifest& manifest);

ShippedRecord recordOf(const QByteArray& bytes);

// Reads the file in blocks; nothing when it cannot be read whole.
std::optional<ShippedRecord> recordOfFile(const QString& path);

} // namespace morvane::settings
