#pragma once

#include <QByteArray>
#include <QList>

#include <initializer_list>

namespace morvane::audio::test {

QByteArray le16(int value);
QByteArray le32(quint32 value);
QByteArray chunk(const char* id, const QByteArray& body);
// A "fmt " body of `size` bytes (at least 16), padded with zeros.
QByteArray formatBody(int channels, quint32 rate, int bits, int size = 16);
// The 16 fields every "fmt " body starts with, as given.
QByteArray formatFields(int tag, int channels, quint32 rate, int blockAlign, int bits);
// The GUID of a standard sub-format, as stored.
QByteArray subFormatGuid(int tag);
// A 40-byte extensible "fmt " body.
QByteArray extensibleBody(int channels, quint32 rate, int bits, const QByteArray& guid);
// "RIFF", the size of what follows, "WAVE", then the chunks.
QByteArray riffWave(const QByteArray& chunks);
QByteArray samples16(std::initializer_list<int> values);
QByteArray samples16(const QList<int>& values);

// A whole canonical PCM file.
QByteArray pcmWav(int channels, quint32 rate, int bits, const QByteArray& data);

} // namespace morvane::audio::test
