#include "ui/FormLoader.h"

#include "platform/ResourceLibrary.h"

#include <QFile>
#include <QUiLoader>
#include <QVBoxLayout>
#include <QWidget>

QWidget* CFormLoader::LoadInto(QWidget* host, int templateId) {
    QFile file(QString::fromStdString(CResourceLibrary::ResourcePath("forms/" + std::to_string(templateId) + ".ui")));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    QUiLoader loader;
    QWidget* form = loader.load(&file, host);
    if (form == nullptr) {
        return nullptr;
    }
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
    host->setWindowTitle(form->windowTitle());
    host->resize(form->size());
    return form;
}
