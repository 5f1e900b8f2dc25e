#include "ui/FormLoader.h"

#include "platform/ResourceLibrary.h"
#include "ui/ListView.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QUiLoader>
#include <QVBoxLayout>

namespace {
// Tables become the program's list control wherever a form places them.
class CListViewLoader : public QUiLoader {
public:
    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
        if (className == QLatin1String("QTreeView")) {
            auto* view = new CListView(parent);
            view->setObjectName(name);
            return view;
        }
        return QUiLoader::createWidget(className, parent, name);
    }
};
// A screen reader names a field by its label, as a sighted user reads it. Qt looks only among
// the field's siblings and else takes a group's title or any text nearby, so the name is given
// outright: the first label that points at a field names it; a second one, the unit or hint beside
// it ("percent of the limit"), completes the name, since a screen reader reads only one label and
// no description of a text field.
// An editable drop-down list is named in its text field too, where the focus goes.
void NameFieldsByTheirLabels(const QWidget* form) {
    QSet<const QWidget*> named;
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (field == nullptr || (!named.contains(field) && !field->accessibleName().isEmpty())) {
            continue;
        }
        const QString text = QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        const QString name = named.contains(field) ? field->accessibleName() + QLatin1Char(' ') + text : text;
        named.insert(field);
        field->setAccessibleName(name);
        if (const auto* list = qobject_cast<QComboBox*>(field); list != nullptr && list->lineEdit() != nullptr) {
            list->lineEdit()->setAccessibleName(name);
        }
    }
}

// Qt tells a screen reader no value of a drop-down list that has a name of its own, so the chosen
// entry goes into the name: said with the list when the list takes the focus.
void NameListsWithTheirChoice(const QWidget* form) {
    for (QComboBox* list : form->findChildren<QComboBox*>()) {
        const QString label = list->accessibleName();
        if (label.isEmpty() || list->isEditable()) {
            continue;
        }
        const auto name = [list, label] {
            list->setAccessibleName((label + QLatin1Char(' ') + list->currentText()).trimmed());
        };
        name();
        QObject::connect(list, &QComboBox::currentTextChanged, list, name);
    }
}
} // namespace

QWidget* CFormLoader::LoadInto(QWidget* host, int templateId) {
    QFile file(QString::fromStdString(CResourceLibrary::ResourcePath("forms/" + std::to_string(templateId) + ".ui")));
    CListViewLoader loader;
    QWidget* form = file.open(QIODevice::ReadOnly) ? loader.load(&file, host) : nullptr;
    if (form == nullptr) {
        throw CFormError("the resource library lacks form " + std::to_string(templateId));
    }
    NameFieldsByTheirLabels(form);
    NameListsWithTheirChoice(form);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
    host->setWindowTitle(form->windowTitle());
    host->resize(form->size());
    return form;
}
