#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the place of the desktop's handler for a URL scheme and keeps what it was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};
