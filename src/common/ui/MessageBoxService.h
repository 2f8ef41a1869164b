#pragma once

#include "common/MessageService.h"

class QWidget;

// Message boxes owned by a window of the program.
class MessageBoxService : public MessageService {
public:
    explicit MessageBoxService(QWidget* owner = nullptr);
    void setOwner(QWidget* owner);

    void show(Icon icon, const QString& text, const QString& title = {}) override;
    bool askYesNo(const QString& text, Icon icon = Icon::Question, const QString& title = {}) override;
    void beep() override;

private:
    QWidget* m_owner;
};
