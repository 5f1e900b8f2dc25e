// Build tool: the resource library in other languages. Every translatable text of strings.txt,
// menus.txt and the forms is read from the English sources; a translator keeps one Qt Linguist
// file per language (context "strings" with the string's number, "menu N" with the command's
// number, "form N" with the control's name and property), and this tool
//   check SOURCE_DIR TS...            proves each file complete: every text translated, none left
//                                     over, the same %1..%9, a text with a count in its two forms,
//                                     no access key twice in a menu or window
//   generate SOURCE_DIR TS OUT_DIR [FROM=TO...]
//                                     writes the translated strings.txt, menus.txt and forms/N.ui
//                                     (a text without translation stays English), each FROM in
//                                     them written TO: a variant of the language
//   update SOURCE_DIR TS              adds new texts as unfinished and drops those no longer used,
//                                     as lupdate would
#include "core/MenuTable.h"
#include "core/StringTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// One text a translator translates. Texts of one access-key group share one menu or window.
struct Text {
    QString context;
    QString comment;
    QString source;
    QString accessKeyGroup; // empty: the text has no access key of its own (tooltips, list items)

    // A text with a count holds its forms apart by CStringTable::kFormSeparator; a Linguist file
    // has it as a numerus message, its source the English forms joined by '|'.
    bool HasForms() const { return source.contains(QChar(CStringTable::kFormSeparator)); }
    QString Key() const { return context + QChar(0x1e) + comment + QChar(0x1e) + source; }
    QString Where() const { return context + " / " + comment + ": \"" + QString(source).replace('\n', "\\n") + '"'; }
};

struct Translation {
    QString text;
    bool finished = false;
};

using Translations = QMap<QString, Translation>; // by Text::Key
using Translate = std::function<QString(const Text&)>;

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "translate_resources: cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush()) {
        std::fprintf(stderr, "translate_resources: cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList FormFiles(const QString& sourceDir) {
    return QDir(sourceDir + "/forms").entryList({"*.ui"}, QDir::Files, QDir::Name);
}

// --- The English sources, each read through a function that may replace every text it meets ---

QByteArray WalkStrings(const QString& sourceDir, const Translate& translate) {
    const CStringTable table = CStringTable::Parse(ReadFile(sourceDir + "/strings.txt").toStdString());
    QByteArray out = "# Generated from strings.txt and its translation; edit those instead.\n";
    for (const unsigned id : table.Ids()) {
        const QString text = translate({"strings", QString::number(id), FromStd(table.Get(id)), {}});
        out +=
            QByteArray::number(id) + '\t' + QByteArray::fromStdString(CStringTable::Escape(text.toStdString())) + '\n';
    }
    return out;
}

QString WindowGroup(unsigned number) {
    return "window " + QString::number(number);
}

// A menu text stands on one line of the menu table, and a tab would start its shortcut.
std::string OneLine(QString text) {
    return text.replace(QRegularExpression("[\\t\\r\\n]+"), " ").toStdString();
}

QByteArray WalkMenus(const QString& sourceDir, const Translate& translate) {
    const CMenuTable table = CMenuTable::Parse(ReadFile(sourceDir + "/menus.txt").toStdString());
    std::string text;
    for (const unsigned id : table.Ids()) {
        const QString context = "menu " + QString::number(id);
        text += "menu " + std::to_string(id) + '\n';
        for (const MenuPopup& popup : table.Menu(id)) {
            const QString popupGroup = context + " / " + FromStd(popup.title);
            // Menu N is the menu bar of window N (form N) where that exists: its titles share the
            // window's access keys.
            text += "popup " + OneLine(translate({context, "popup", FromStd(popup.title), WindowGroup(id)})) + '\n';
            for (const MenuItem& item : popup.items) {
                text += item.command == 0 ? std::string("separator")
                                          : "item " + std::to_string(item.command) + ' ' +
                                                OneLine(translate({context, QString::number(item.command),
                                                                   FromStd(item.text), popupGroup}));
                text += '\n';
            }
        }
    }
    return QByteArray::fromStdString(text);
}

// Where a <string> of a form stands: the object it belongs to, the property, and for list
// items and columns their place. Follows the reader element by element.
class CFormPlace {
public:
    void Follow(const QXmlStreamReader& reader) {
        const QString name = reader.name().toString();
        const bool object = name == "widget" || name == "layout" || name == "action";
        if (reader.isEndElement()) {
            m_elements.pop_back();
            if (object) {
                m_objects.pop_back();
                m_counters.pop_back();
            } else if (name == "item" || name == "column") {
                m_listPart.clear();
            }
            return;
        }
        if (object) {
            m_objects.push_back(reader.attributes().value("name").toString());
            m_counters.push_back({});
        } else if ((name == "item" || name == "column") && !m_elements.isEmpty() && m_elements.back() == "widget") {
            // A widget's <item> or <column> is an entry of its list; a layout's <item> holds a control.
            m_listPart = name + '[' + QString::number(m_counters.back()[name]++) + ']';
        } else if (name == "property" || name == "attribute") {
            m_property = reader.attributes().value("name").toString();
        }
        m_elements.push_back(name);
    }
    // After a <string> was read whole, with its end.
    void LeaveString() { m_elements.pop_back(); }

    QString Comment() const {
        const QString object = m_objects.isEmpty() ? QString() : m_objects.back();
        return object + (m_listPart.isEmpty() ? "" : '.' + m_listPart) + '.' + m_property;
    }
    // Labels, buttons, check boxes, group boxes and tabs carry access keys; tooltips and list
    // entries do not.
    bool HasAccessKey() const { return m_listPart.isEmpty() && (m_property == "text" || m_property == "title"); }

private:
    QStringList m_elements;               // the elements the reader is in
    QStringList m_objects;                // the named widgets, layouts and actions among them
    QList<QMap<QString, int>> m_counters; // per open object: list items and columns seen so far
    QString m_property;
    QString m_listPart; // "item[2]", "column[0]"; empty outside lists
};

bool IsTranslatableString(const QXmlStreamReader& reader) {
    return reader.isStartElement() && reader.name() == QLatin1String("string") &&
           reader.attributes().value("notr") != QLatin1String("true");
}

QByteArray WalkForm(const QString& path, const QString& context, const QString& window, const Translate& translate) {
    const QByteArray ui = ReadFile(path);
    QXmlStreamReader reader(ui);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    CFormPlace place;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() || reader.isEndElement()) {
            place.Follow(reader);
        }
        writer.writeCurrentToken(reader);
        if (!IsTranslatableString(reader)) {
            continue;
        }
        const QString comment = reader.attributes().hasAttribute("comment")
                                    ? reader.attributes().value("comment").toString()
                                    : place.Comment();
        const QString source = reader.readElementText();
        writer.writeCharacters(
            source.isEmpty() ? source : translate({context, comment, source, place.HasAccessKey() ? window : ""}));
        writer.writeEndElement();
        place.LeaveString();
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "translate_resources: %s: %s\n", qPrintable(path), qPrintable(reader.errorString()));
        std::exit(2);
    }
    return out;
}

// Every text of the sources through `translate`; `write` gets each translated file.
void WalkSources(const QString& sourceDir, const Translate& translate,
                 const std::function<void(const QString&, const QByteArray&)>& write) {
    write("strings.txt", WalkStrings(sourceDir, translate));
    write("menus.txt", WalkMenus(sourceDir, translate));
    for (const QString& form : FormFiles(sourceDir)) {
        const QString number = QFileInfo(form).completeBaseName();
        write("forms/" + form,
              WalkForm(sourceDir + "/forms/" + form, "form " + number, WindowGroup(number.toUInt()), translate));
    }
}

std::vector<Text> SourceTexts(const QString& sourceDir) {
    std::vector<Text> texts;
    WalkSources(
        sourceDir,
        [&texts](const Text& text) {
            texts.push_back(text);
            return text.source;
        },
        [](const QString&, const QByteArray&) {});
    return texts;
}

// --- The Linguist file ---

struct LinguistFile {
    QString language;
    Translations translations;
    std::vector<Text> entries; // in the file's order
};

// The <numerusform>s of a <translation>, joined as a text with forms holds them.
QString ReadForms(QXmlStreamReader& reader) {
    QStringList forms;
    while (reader.readNextStartElement()) {
        forms.push_back(reader.readElementText());
    }
    return forms.join(QChar(CStringTable::kFormSeparator));
}

LinguistFile ReadLinguistFile(const QString& path) {
    LinguistFile file;
    QXmlStreamReader reader(ReadFile(path));
    Text entry;
    Translation translation;
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() && !(reader.isEndElement() && reader.name() == QLatin1String("message"))) {
            continue;
        }
        const QString name = reader.name().toString();
        if (reader.isEndElement()) {
            file.entries.push_back(entry);
            file.translations.insert(entry.Key(), translation);
        } else if (name == "TS") {
            file.language = reader.attributes().value("language").toString();
        } else if (name == "name") {
            entry.context = reader.readElementText();
        } else if (name == "message") {
            entry = {entry.context, {}, {}, {}};
            translation = {};
            numerus = reader.attributes().value("numerus") == QLatin1String("yes");
        } else if (name == "source") {
            entry.source = reader.readElementText();
            if (numerus) {
                entry.source.replace('|', QChar(CStringTable::kFormSeparator));
            }
        } else if (name == "comment") {
            entry.comment = reader.readElementText();
        } else if (name == "translation") {
            const QString type = reader.attributes().value("type").toString();
            translation.finished = type.isEmpty();
            translation.text =
                numerus ? ReadForms(reader) : reader.readElementText(QXmlStreamReader::SkipChildElements);
        }
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "translate_resources: %s: %s\n", qPrintable(path), qPrintable(reader.errorString()));
        std::exit(2);
    }
    return file;
}

QByteArray LinguistText(const QString& language, const std::vector<Text>& texts, const Translations& translations) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeDTD("<!DOCTYPE TS>");
    writer.writeStartElement("TS");
    writer.writeAttribute("version", "2.1");
    writer.writeAttribute("language", language);
    writer.writeAttribute("sourcelanguage", "en");
    QString context;
    QSet<QString> written; // one message for a text that stands twice alike
    for (const Text& text : texts) {
        if (written.contains(text.Key())) {
            continue;
        }
        written.insert(text.Key());
        if (text.context != context) {
            if (!context.isEmpty()) {
                writer.writeEndElement();
            }
            context = text.context;
            writer.writeStartElement("context");
            writer.writeTextElement("name", context);
        }
        const Translation translation = translations.value(text.Key());
        const QChar separator(CStringTable::kFormSeparator);
        writer.writeStartElement("message");
        if (text.HasForms()) {
            writer.writeAttribute("numerus", "yes");
        }
        writer.writeTextElement("source", QString(text.source).replace(separator, '|'));
        writer.writeTextElement("comment", text.comment);
        writer.writeStartElement("translation");
        if (!translation.finished) {
            writer.writeAttribute("type", "unfinished");
        }
        if (text.HasForms()) {
            for (const QString& form : translation.text.split(separator)) {
                writer.writeTextElement("numerusform", form);
            }
        } else {
            writer.writeCharacters(translation.text);
        }
        writer.writeEndElement();
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return out;
}

// --- The checks ---

QString Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression placeholder("%%|%[1-9]");
    for (auto match = placeholder.globalMatch(text); match.hasNext();) {
        const QString token = match.next().captured();
        if (token != "%%") {
            found.push_back(token);
        }
    }
    found.sort();
    found.removeDuplicates();
    return found.join(' ');
}

// The letter after a single '&' ("&&" is an ampersand), lower case; null when there is none.
QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&' && text[i + 1] == '&') {
            ++i;
        } else if (text[i] == '&') {
            return text[i + 1].toLower();
        }
    }
    return {};
}

// Problems of one language's texts: two texts of one group with the same access key.
int CheckAccessKeys(const QString& language, const std::vector<Text>& texts, const Translate& translate) {
    QMap<QString, QMap<QChar, QString>> taken; // group -> key -> the text holding it
    int problems = 0;
    for (const Text& text : texts) {
        const QString shown = translate(text);
        const QChar key = AccessKey(shown);
        if (text.accessKeyGroup.isEmpty() || key.isNull()) {
            continue;
        }
        QString& holder = taken[text.accessKeyGroup][key];
        if (!holder.isEmpty()) {
            std::printf("%s: access key '%s' twice in %s: \"%s\" and \"%s\"\n", qPrintable(language),
                        qPrintable(QString(key)), qPrintable(text.accessKeyGroup), qPrintable(holder),
                        qPrintable(shown));
            ++problems;
        }
        holder = shown;
    }
    return problems;
}

Translate Translator(const Translations& translations) {
    return [&translations](const Text& text) {
        const auto it = translations.find(text.Key());
        return it != translations.end() && it->finished ? it->text : text.source;
    };
}

int CheckLinguistFile(const QString& path, const std::vector<Text>& texts) {
    const LinguistFile file = ReadLinguistFile(path);
    const QString language = file.language.isEmpty() ? QFileInfo(path).fileName() : file.language;
    int problems = 0;
    QSet<QString> current;
    for (const Text& text : texts) {
        current.insert(text.Key());
        const auto it = file.translations.find(text.Key());
        if (it == file.translations.end() || !it->finished || it->text.isEmpty()) {
            std::printf("%s: missing translation: %s\n", qPrintable(language), qPrintable(text.Where()));
            ++problems;
        } else if (it->text.count(QChar(CStringTable::kFormSeparator)) !=
                   text.source.count(QChar(CStringTable::kFormSeparator))) {
            std::printf("%s: not the forms for one and for more: %s -> \"%s\"\n", qPrintable(language),
                        qPrintable(text.Where()), qPrintable(it->text));
            ++problems;
        } else if (Placeholders(it->text) != Placeholders(text.source)) {
            std::printf("%s: placeholders differ: %s -> \"%s\"\n", qPrintable(language), qPrintable(text.Where()),
                        qPrintable(it->text));
            ++problems;
        }
    }
    for (const Text& entry : file.entries) {
        if (!current.contains(entry.Key())) {
            std::printf("%s: left over, no longer a text of the program: %s\n", qPrintable(language),
                        qPrintable(entry.Where()));
            ++problems;
        }
    }
    return problems + CheckAccessKeys(language, texts, Translator(file.translations));
}

int Check(const QString& sourceDir, const QStringList& linguistFiles) {
    const std::vector<Text> texts = SourceTexts(sourceDir);
    int problems = CheckAccessKeys("en", texts, [](const Text& text) { return text.source; });
    for (const QString& path : linguistFiles) {
        problems += CheckLinguistFile(path, texts);
    }
    std::printf("%zu texts, %lld translation files: %d problems\n", texts.size(),
                static_cast<long long>(linguistFiles.size()), problems);
    return problems == 0 ? 0 : 1;
}

// A variant of a language made from its file: each "from=to" of `spellings` applied to every
// translated text ("ß=ss" makes Swiss German from German).
int Generate(const QString& sourceDir, const QString& linguistPath, const QString& outputDir,
             const QStringList& spellings) {
    const LinguistFile file = ReadLinguistFile(linguistPath);
    const Translate translate = Translator(file.translations);
    const Translate variant = [&](const Text& text) {
        QString translated = translate(text);
        for (const QString& spelling : spellings) {
            translated.replace(spelling.section('=', 0, 0), spelling.section('=', 1));
        }
        return translated;
    };
    WalkSources(sourceDir, variant, [&outputDir](const QString& name, const QByteArray& content) {
        WriteFile(outputDir + '/' + name, content);
    });
    return 0;
}

int Update(const QString& sourceDir, const QString& linguistPath) {
    const LinguistFile file = QFile::exists(linguistPath) ? ReadLinguistFile(linguistPath) : LinguistFile{};
    const QString language =
        file.language.isEmpty() ? QFileInfo(linguistPath).completeBaseName().section('_', -1) : file.language;
    WriteFile(linguistPath, LinguistText(language, SourceTexts(sourceDir), file.translations));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(QString::fromLocal8Bit(argv[i]));
    }
    if (args.size() >= 3 && args[0] == "check") {
        return Check(args[1], args.mid(2));
    }
    if (args.size() >= 4 && args[0] == "generate") {
        return Generate(args[1], args[2], args[3], args.mid(4));
    }
    if (args.size() == 3 && args[0] == "update") {
        return Update(args[1], args[2]);
    }
    std::fprintf(stderr, "usage: translate_resources check SOURCE_DIR TS...\n"
                         "       translate_resources generate SOURCE_DIR TS OUTPUT_DIR [FROM=TO...]\n"
                         "       translate_resources update SOURCE_DIR TS\n");
    return 2;
}
