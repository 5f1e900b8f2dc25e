#include "ui/UiLanguage.h"

#include "core/LanguageChoice.h"
#include "platform/ResourceLibrary.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void CUiLanguage::Apply(CResourceLibrary& library, uint32_t choice) {
    const std::string language = ChooseLanguage(choice, CResourceLibrary::SystemUiLanguages());
    if (!library.UseLanguage(language) || language.empty()) {
        return;
    }
    // Lives as long as the application; without Qt's translations its dialogs stay English.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qt_") + QString::fromStdString(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
}
