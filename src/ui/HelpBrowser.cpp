#include "ui/HelpBrowser.h"

#include "core/FileDescriptor.h"
#include "platform/PathText.h"

QVariant CHelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl address = name.isRelative() ? source().resolved(name) : name;
    if (!address.isLocalFile()) {
        return QTextBrowser::loadResource(type, name);
    }
    std::string content;
    if (!ReadWholeFile(FileOfUrl(address), content)) {
        return {};
    }
    return QByteArray::fromStdString(content);
}
