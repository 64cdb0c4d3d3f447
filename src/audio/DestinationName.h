#pragma once

#include <QString>

namespace morvane::audio {

// The name the save dialog proposes for a source: when the source's file name has an extension,
// the path with its last four characters replaced by ".au"; otherwise empty (nothing proposed).
QString proposedDestinationName(const QString& sourcePath);

// The chosen name with ".au" appended unless it holds ".au" anywhere (case-sensitive).
QString destinationWithAuExtension(const QString& chosenName);

} // namespace morvane::audio
