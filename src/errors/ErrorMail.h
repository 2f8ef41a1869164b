#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <functional>

class MessageService;

// Hands the protocol to the operator's e-mail program: the protocol goes to
// the clipboard, and a "mailto:" address to the maker's support opens a new
// message into which the operator pastes it.
class ErrorMail {
public:
    static QString supportAddress();
    static QString notice();
    // open hands the address to the desktop; tests pass their own.
    static void send(const QString& protocol, MessageService& messages,
        const std::function<bool(const QUrl&)>& open = &QDesktopServices::openUrl);
};
