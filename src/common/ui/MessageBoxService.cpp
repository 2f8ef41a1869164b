#include "common/ui/MessageBoxService.h"

#include "common/ui/Dialogstil.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon toQt(MessageService::Icon icon)
{
    switch (icon) {
    case MessageService::Icon::Information:
        return QMessageBox::Information;
    case MessageService::Icon::Warning:
        return QMessageBox::Warning;
    case MessageService::Icon::Critical:
        return QMessageBox::Critical;
    case MessageService::Icon::Question:
        return QMessageBox::Question;
    case MessageService::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString captionOrProgram(const QString& title)
{
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

} // namespace

MessageBoxService::MessageBoxService(QWidget* owner)
{
    if (owner)
        m_owners << owner;
}

void MessageBoxService::setOwners(const QList<QWidget*>& owners)
{
    m_owners = { owners.begin(), owners.end() };
}

void MessageBoxService::setSchriftgroesse(std::function<double()> punkte)
{
    m_schriftgroesse = std::move(punkte);
}

QWidget* MessageBoxService::owner() const
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (const QPointer<QWidget>& owner : m_owners) {
        if (owner && owner->isVisible())
            return owner;
    }
    return nullptr;
}

void MessageBoxService::show(Icon icon, const QString& text, const QString& title)
{
    QMessageBox box(toQt(icon), captionOrProgram(title), text, QMessageBox::Ok, owner());
    Dialogstil::anwenden(box, m_schriftgroesse());
    box.exec();
}

bool MessageBoxService::askYesNo(const QString& text, Icon icon, const QString& title)
{
    QMessageBox box(toQt(icon), captionOrProgram(title), text, QMessageBox::Yes | QMessageBox::No, owner());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    Dialogstil::anwenden(box, m_schriftgroesse());
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxService::beep()
{
    QApplication::beep();
}
