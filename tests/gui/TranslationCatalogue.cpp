#include "TranslationCatalogue.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {
QString Key(const QString& context, const QString& comment, const QString& source) {
    return context + QChar(0x1f) + comment + QChar(0x1f) + source;
}
} // namespace

CTranslationCatalogue::CTranslationCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    QXmlStreamReader reader(&file);
    QString context, comment, source;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = reader.name();
        if (name == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (name == QLatin1String("source")) {
            source = reader.readElementText();
        } else if (name == QLatin1String("comment")) {
            comment = reader.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString text = reader.readElementText(QXmlStreamReader::SkipChildElements);
            m_texts.insert(Key(context, comment, source), text);
            m_texts.insert(Key(context, comment, {}), text);
        }
    }
}

QString CTranslationCatalogue::Text(const QString& context, const QString& comment, const QString& source) const {
    return m_texts.value(Key(context, comment, source));
}
