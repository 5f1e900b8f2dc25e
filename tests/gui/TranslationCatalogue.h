#pragma once

#include <QMap>
#include <QString>

// A translator's Linguist file as the tests read it, to compare what a window shows with what the
// translator wrote (never with a copy of the text in the test).
class CTranslationCatalogue {
public:
    explicit CTranslationCatalogue(const QString& path);

    // The translation of the text with that context and comment ("form 165", "id1088.text";
    // "strings", "190"; "menu 102", "32798"); a menu title needs its English text as well, as
    // every title of a menu has the comment "popup". Empty when the file has no such text.
    QString Text(const QString& context, const QString& comment, const QString& source = {}) const;
    bool IsEmpty() const { return m_texts.isEmpty(); }

private:
    QMap<QString, QString> m_texts;
};
