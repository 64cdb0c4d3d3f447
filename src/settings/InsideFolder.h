#pragma once

#include "base/Result.h"

#include <QHash>
#include <QString>

namespace morvane::settings {

// An installation folder is data that users copy, unpack and share: nothing in it may lead a read
// or a write elsewhere. Fails, naming `path`, when the place `path` really leads to (through links
// at the file itself or at any folder on its way, present or not yet created) lies outside `root`.
// Links that stay inside are fine. An empty `root` bounds nothing: a path the user chose.
Result checkInside(const QString& root, const QString& path, const QString& failure);

// checkInside for many paths under one root: the root is resolved once, and so is each folder on
// the way to a path, which its paths below then share.
class InsideRoot {
public:
    explicit InsideRoot(const QString& root);
    Result check(const QString& path, const QString& failure);

private:
    QString realOf(const QString& path);

    QString m_root;
    QString m_cleanRoot;
    QString m_realRoot;
    QHash<QString, QString> m_realPaths; // by absolute clean path
};

// Whether `path`, taken as written, names a place under `folder` (links not followed).
bool isUnder(const QString& folder, const QString& path);

} // namespace morvane::settings
