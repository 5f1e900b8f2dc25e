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

// Qt names a drop-down list by its chosen entry and gives a screen reader no value for it (it
// offers no selection there), so Orca says only the label that points at the list: the chosen
// entry goes into that label's name, said whenever the list takes the focus. A list one types into
// is read through its text field.
void NameChoicesInTheirLabels(const QWidget* form) {
    for (QLabel* label : form->findChildren<QLabel*>()) {
        auto* list = qobject_cast<QComboBox*>(label->buddy());
        if (list == nullptr || list->isEditable()) {
            continue;
        }
        const QString name = label->accessibleName().isEmpty()
                                 ? QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")))
                                 : label->accessibleName();
        const auto withChoice = [label, list, name] {
            label->setAccessibleName((name + QLatin1Char(' ') + list->currentText()).trimmed());
        };
        withChoice();
        QObject::connect(list, &QComboBox::currentTextChanged, label, withChoice);
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
    NameChoicesInTheirLabels(form);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
    host->setWindowTitle(form->windowTitle());
    host->resize(form->size());
    return form;
}
