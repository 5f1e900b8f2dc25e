#include "ui/UiResources.h"

#include "platform/ResourceLibrary.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {
QString Path(const std::string& name) {
    return QString::fromStdString(CResourceLibrary::ResourcePath(name));
}
} // namespace

QIcon CUiResources::Icon(int id) {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = Path("icons/" + std::to_string(id) + "-" + std::to_string(size) + ".png");
        if (QFile::exists(file)) {
            icon.addFile(file, QSize(size, size));
        }
    }
    return icon;
}

QPixmap CUiResources::Bitmap(int id) {
    QPixmap large(Path("bitmaps/" + std::to_string(id) + "@2x.png"));
    if (!large.isNull()) {
        large.setDevicePixelRatio(2.0);
        return large;
    }
    return QPixmap(Path("bitmaps/" + std::to_string(id) + ".png"));
}

const CMenuTable& CUiResources::Menus() {
    static const CMenuTable table = CMenuTable::Parse(CResourceLibrary::ReadFile("menus.txt"));
    return table;
}

const CStringTable& CUiResources::Strings() {
    static const CStringTable table = CStringTable::Parse(CResourceLibrary::ReadFile("strings.txt"));
    return table;
}

const CAcceleratorTable& CUiResources::Accelerators() {
    static const CAcceleratorTable table = CAcceleratorTable::Parse(CResourceLibrary::ReadFile("accelerators.txt"));
    return table;
}

void CUiResources::FillMenu(QMenu& menu, const MenuPopup& popup, const std::function<void(unsigned)>& onCommand,
                            unsigned shortcutTable) {
    for (const MenuItem& item : popup.items) {
        if (item.command == 0) {
            menu.addSeparator();
            continue;
        }
        QKeySequence shortcut;
        Qt::ShortcutContext context = Qt::WindowShortcut;
        for (unsigned table : {209u, 210u}) {
            for (const Accelerator& accelerator : Accelerators().Table(table)) {
                if (accelerator.command != item.command || (table != shortcutTable && !shortcut.isEmpty())) {
                    continue;
                }
                shortcut = QKeySequence::fromString(QString::fromStdString(accelerator.keys));
                // A key the window's accelerator router acts on is only shown, as menus show
                // shortcuts (in the user's language, and to a screen reader as the item's key, not
                // in its name); it acts here only while the menu itself has the keyboard.
                context = table == shortcutTable ? Qt::WindowShortcut : Qt::WidgetShortcut;
            }
        }
        QAction* action = menu.addAction(QString::fromStdString(item.text));
        action->setShortcut(shortcut);
        action->setShortcutContext(context);
        action->setData(item.command);
        const unsigned command = item.command;
        QObject::connect(action, &QAction::triggered, &menu, [onCommand, command] { onCommand(command); });
    }
}

void CUiResources::FillMenuBar(QMenuBar& bar, unsigned menuId, const std::function<void(unsigned)>& onCommand,
                               unsigned shortcutTable) {
    for (const MenuPopup& popup : Menus().Menu(menuId)) {
        FillMenu(*bar.addMenu(QString::fromStdString(popup.title)), popup, onCommand, shortcutTable);
    }
}
