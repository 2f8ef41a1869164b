#pragma once

#include "errors/ErrorReport.h"
#include "errors/ErrorWindow.h"

#include <QDialog>

#include <array>
#include <memory>

class MessageService;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

// The modal error window: shows the fault, its module and procedure, the call
// history, offers the protocol for print, save and e-mail, and returns the
// continuation the operator presses.
class frmErrPtnr : public QDialog, public ErrorWindow {
    Q_OBJECT

public:
    // Without a message service the window asks and tells through message boxes.
    explicit frmErrPtnr(MessageService* messages = nullptr, QWidget* parent = nullptr);
    ~frmErrPtnr() override;

    // Beeps, shows the report modally and returns the code of the pressed button.
    int showReport(const ErrorReport& report) override;
    // Fills the window with the report without showing it.
    void prepare(const ErrorReport& report);

    QLabel* lblError(int index) const { return m_lblError.at(index); }
    QPushButton* cmdProtocol(int index) const { return m_cmdProtocol.at(index); }
    QPushButton* cmdContinue(int index) const { return m_cmdContinue.at(index); }
    QListWidget* lstCallStack() const { return m_lstCallStack; }

protected:
    // Only a continuation button closes the window, unless none is offered.
    void reject() override;

private:
    QGroupBox* framComment();
    QGroupBox* framFehler();
    QGroupBox* framProtocol();
    QGroupBox* framCallStack();
    QGroupBox* framContinue();
    void cmdProtocol_Click(int index);

    std::unique_ptr<MessageService> m_ownMessages;
    MessageService* m_messages;
    ErrorReport m_report;

    std::array<QLabel*, ErrorReport::kRowCount> m_lblError {};
    std::array<QPushButton*, 3> m_cmdProtocol {};
    std::array<QPushButton*, 4> m_cmdContinue {};
    QListWidget* m_lstCallStack = nullptr;
};
