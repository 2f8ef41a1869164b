#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Tags and the playlist file hold single-byte Windows-1252 text.
QString fromWindows1252(QByteArrayView bytes);
// Characters that Windows-1252 cannot hold become "?".
QByteArray toWindows1252(const QString& text);
// The byte that Windows-1252 uses for c, or -1 when it cannot hold c.
int windows1252Code(char16_t c);
