#pragma once

// What the round-trip targets share: the input as bytes, the choice of the inputs that go
// through real files (the first and every 1024th; the rest stay in memory, which is far
// faster), and the folder those files are written to.

#include <QByteArray>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace tavix::fuzz {

inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// Counts the inputs: true for the first one and every 1024th after it.
inline bool nextGoesThroughFiles()
{
    static unsigned inputs = 0;
    return inputs++ % 1024 == 0;
}

inline const QTemporaryDir &workDir()
{
    static const QTemporaryDir dir;
    return dir;
}

} // namespace tavix::fuzz
