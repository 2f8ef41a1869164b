#pragma once

#include "common/MessageService.h"

#include <QList>
#include <QPointer>

#include <functional>

class QWidget;

// Message boxes in front of the program's windows, which may be full screen
// and on top: each box is owned by the active window of the program, or,
// when none is active, by the first visible of the given windows.
class MessageBoxService : public MessageService {
public:
    explicit MessageBoxService(QWidget* owner = nullptr);
    // The windows to own a box when no window is active, the one in front first.
    void setOwners(const QList<QWidget*>& owners);
    // The grids' font size, which the boxes' text never goes below.
    void setSchriftgroesse(std::function<double()> punkte);

    void show(Icon icon, const QString& text, const QString& title = {}) override;
    bool askYesNo(const QString& text, Icon icon = Icon::Question, const QString& title = {}) override;
    void beep() override;

private:
    QWidget* owner() const;

    QList<QPointer<QWidget>> m_owners;
    std::function<double()> m_schriftgroesse = [] { return 0.0; };
};
