#include "ui/FormLoader.h"

#include "platform/ResourceLibrary.h"
#include "ui/ListView.h"

#include <QFile>
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
} // namespace

QWidget* CFormLoader::LoadInto(QWidget* host, int templateId) {
    QFile file(QString::fromStdString(CResourceLibrary::ResourcePath("forms/" + std::to_string(templateId) + ".ui")));
    CListViewLoader loader;
    QWidget* form = file.open(QIODevice::ReadOnly) ? loader.load(&file, host) : nullptr;
    if (form == nullptr) {
        throw CFormError("the resource library lacks form " + std::to_string(templateId));
    }
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
    host->setWindowTitle(form->windowTitle());
    host->resize(form->size());
    return form;
}
