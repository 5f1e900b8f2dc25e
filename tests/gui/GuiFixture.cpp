#include "GuiFixture.h"

#include "ui/HelpWindow.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <memory>

GuiWorld::GuiWorld() {
    library.Load();
    // No first-start guide, no splash; the sources that the tests control are watched.
    settings.Write(Setting::kFirstSteps, 1);
    settings.Write(Setting::kDfueNetzwerk, 1);
    settings.Write(Setting::kModem, 1);
}

bool WaitUntil(const std::function<bool()>& check, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > milliseconds) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

CHelpWindow* WaitForHelpWindow() {
    CHelpWindow* help = nullptr;
    const bool shown = WaitUntil([&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            help = help != nullptr ? help : qobject_cast<CHelpWindow*>(top);
        }
        return help != nullptr && help->isVisible();
    });
    return shown ? help : nullptr;
}

QTimer* WhenModalOpens(const std::function<void(QWidget*)>& action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(20);
    return poll;
}

std::string Answering(const std::function<void()>& action) {
    auto message = std::make_shared<std::string>();
    const QPointer<QTimer> watch = WhenModalOpens([message](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *message = box->text().toStdString();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes != nullptr ? yes : box->defaultButton())->click();
        }
    });
    action();
    delete watch.data();
    return *message;
}
