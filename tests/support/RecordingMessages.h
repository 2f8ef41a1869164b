#pragma once

#include "common/MessageService.h"

#include <QStringList>

// Records every message, question and beep; answers questions with a preset answer.
class RecordingMessages : public MessageService {
public:
    bool answer = true;
    QStringList shown;
    QStringList asked;
    QList<Icon> icons;
    int beeps = 0;

    void show(Icon icon, const QString& text, const QString&) override { icons << icon, shown << text; }
    bool askYesNo(const QString& text, Icon, const QString&) override
    {
        asked << text;
        return answer;
    }
    void beep() override { ++beeps; }
};
