#include "platform/ApplicationAdaptor.h"

QString CApplicationAdaptor::TokenOf(const QVariantMap& platformData) {
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    return token.isEmpty() ? platformData.value(QStringLiteral("desktop-startup-id")).toString() : token;
}

void CApplicationAdaptor::Activate(const QVariantMap& platformData) {
    emit ActivateRequested(TokenOf(platformData));
}

void CApplicationAdaptor::Open(const QStringList& /*uris*/, const QVariantMap& platformData) {
    Activate(platformData);
}

void CApplicationAdaptor::ActivateAction(const QString& /*name*/, const QVariantList& /*parameter*/,
                                         const QVariantMap& platformData) {
    Activate(platformData);
}
