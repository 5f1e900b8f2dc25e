#pragma once

#include "core/AcceleratorTable.h"
#include "core/MenuTable.h"
#include "core/StringTable.h"

#include <QIcon>
#include <QPixmap>

#include <functional>

class QMenu;
class QMenuBar;

// The pictures, menus and accelerator tables of the resource library, as Qt wants them.
class CUiResources {
public:
    // Icon 128, 129 or 130 in every size the library has.
    static QIcon Icon(int id);
    // Bitmap 178, also for screens of twice the density.
    static QPixmap Bitmap(int id);
    static const CMenuTable& Menus();
    static const CAcceleratorTable& Accelerators();
    // The numbered texts, for the few parts of the dialog layer that are handed none.
    static const CStringTable& Strings();
    // Fills a menu with a popup of the table; each item's action carries its command number and
    // calls onCommand with it. The keys of the shortcut table act as the window's own shortcuts,
    // only while it is the active window; other tables' keys are only shown.
    static void FillMenu(QMenu& menu, const MenuPopup& popup, const std::function<void(unsigned)>& onCommand,
                         unsigned shortcutTable = 0);
    static void FillMenuBar(QMenuBar& bar, unsigned menuId, const std::function<void(unsigned)>& onCommand,
                            unsigned shortcutTable = 0);
};
