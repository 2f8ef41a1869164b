#include "platform/Dateiende.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <tuple>

// What a scan learns of each file: its size and its last bytes, or that it could not be read.
TEST(Dateiende, SizeAndLastBytesOrNothing)
{
    QTemporaryDir ordner;
    const auto datei = [&](const char* name, const QByteArray& inhalt) {
        QFile f(ordner.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(inhalt);
        return f.fileName();
    };
    const QByteArray lang = QByteArray(1000, 'a') + QByteArray(128, 'z');
    ASSERT_EQ(::mkfifo(ordner.filePath("rohr").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(ordner.path()).mkdir("ordner"));
    const struct {
        QString pfad;
        bool gelesen;
        qint64 groesse;
        QByteArray bytes;
    } faelle[] = {
        { datei("lang.mp3", lang), true, 1128, QByteArray(128, 'z') },
        { datei("genau.mp3", QByteArray(128, 'g')), true, 128, QByteArray(128, 'g') },
        { datei("kurz.mp3", "kurz"), true, 4, "kurz" },
        { datei("leer.mp3", {}), true, 0, {} },
        { ordner.filePath("fehlt.mp3"), false, 0, {} },
        { ordner.filePath("ordner"), false, 0, {} },
        // A pipe in a song's place neither blocks nor counts.
        { ordner.filePath("rohr"), false, 0, {} },
    };
    for (const auto& fall : faelle) {
        const Dateiende ende = Dateiende::lesen(fall.pfad, 128);
        EXPECT_EQ(
            std::tuple(ende.gelesen, ende.groesse, ende.bytes), std::tuple(fall.gelesen, fall.groesse, fall.bytes))
            << fall.pfad.toStdString();
    }
}
