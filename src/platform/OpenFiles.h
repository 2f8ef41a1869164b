#pragma once

#include <QString>

// Whether some program may still be writing a file, so that a copy taken now
// could catch it half written.
class OpenFiles {
public:
    // True when the file cannot be had for exclusive access. On Linux: a
    // process (this one included) holds it open for writing, or another
    // open of it holds a flock or fcntl lock, or it cannot be opened at all.
    // On Windows: it cannot be opened without sharing. A missing file is not
    // in use.
    static bool FileInUse(const QString& FilePath);
};
