#pragma once

#include "base/FolderWalk.h"
#include "base/Result.h"

#include <QString>

#include <optional>

namespace morvane::settings {

// An installation folder is data that users copy, unpack and share: nothing in it may lead a read
// or a write elsewhere. Fails, naming `path`, when the place `path` leads to, resolved as the
// system resolves it (links at the file itself or at any folder on its way, present or not yet
// created, and ".." after them), lies outside `root`. Links that stay inside are fine. An empty
// `root` bounds nothing: a path the user chose.
Result checkInside(const QString& root, const QString& path, const QString& failure);

// checkInside for many paths under one root, opened once.
class InsideRoot {
public:
    explicit InsideRoot(const QString& root);
    Result check(const QString& path, const QString& failure);

private:
    QString m_root;
    std::optional<FolderWalk> m_walk;
};

// Whether `path`, taken as written, names a place under `folder` (links not followed).
bool isUnder(const QString& folder, const QString& path);

} // namespace morvane::settings
