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
    if (const unsigned command = CommandOf(kMainWindowTable, key); command != 0 && m_main) {
        m_main(command);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
