#include "app/AcceleratorRouter.h"

#include "ui/UiResources.h"

#include <QKeyEvent>

unsigned CAcceleratorRouter::CommandOf(unsigned table, const QKeySequence& key) {
    for (const Accelerator& accelerator : CUiResources::Accelerators().Table(table)) {
        if (QKeySequence::fromString(QString::fromStdString(accelerator.keys)) == key) {
            return accelerator.command;
        }
    }
    return 0;
}

bool CAcceleratorRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return QObject::eventFilter(watched, event);
    }
    const auto* press = static_cast<QKeyEvent*>(event);
    const QKeySequence key(press->keyCombination());
    for (const auto& [table, handler] : {std::pair{209u, m_main}, std::pair{210u, m_logView}}) {
        if (!handler) {
            continue;
        }
        if (const unsigned command = CommandOf(table, key); command != 0) {
            handler(command);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
