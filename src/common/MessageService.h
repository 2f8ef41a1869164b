#pragma once

#include <QString>

// Modal messages to the operator. The widget implementation shows message
// boxes; tests put a recorder in its place.
class MessageService {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~MessageService() = default;
    virtual void show(Icon icon, const QString& text, const QString& title = {}) = 0;
    // True only when the answer is Yes.
    virtual bool askYesNo(const QString& text, Icon icon = Icon::Question, const QString& title = {}) = 0;
    virtual void beep() = 0;
};
