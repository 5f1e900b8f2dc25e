#pragma once

#include <QTextBrowser>

// A browser for the bundled guide that reads its pages by their bytes: a guide installed in a
// folder whose name is no text in the locale's encoding ("B\xFCro") opens, and so do its links.
class CHelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};
