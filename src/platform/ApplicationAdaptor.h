#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// The desktop's way to ask a running program to show itself (org.freedesktop.Application): a
// second start, or a launcher, calls Activate with the activation token it was given, which the
// window needs on Wayland to come up and take the focus.
class CApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit CApplicationAdaptor(QObject* object) : QDBusAbstractAdaptor(object) {}

    // The token of a platform-data map: Wayland's, else X11's startup id; empty when neither.
    static QString TokenOf(const QVariantMap& platformData);

public slots:
    void Activate(const QVariantMap& platformData);
    // The program opens no files and has no actions: both only show it.
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& name, const QVariantList& parameter, const QVariantMap& platformData);

signals:
    void ActivateRequested(const QString& token);
};
