#pragma once

#include <QString>

class MessageService;

// Hands the protocol to the operator's e-mail program: the protocol goes to
// the clipboard, and a "mailto:" address to the maker's support opens a new
// message into which the operator pastes it.
class ErrorMail {
public:
    static QString supportAddress();
    static QString notice();
    static void send(const QString& protocol, MessageService& messages);
};
