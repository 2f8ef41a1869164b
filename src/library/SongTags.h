#pragma once

#include <QString>

// Title, artist and genre name of one song as the archive shows them.
struct SongTags {
    QString titel;
    QString interpret;
    QString genre;

    bool operator==(const SongTags&) const = default;
};
