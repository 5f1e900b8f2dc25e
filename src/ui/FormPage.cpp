#include "ui/FormPage.h"

CFormPage::CFormPage(int templateId) : m_templateId(templateId), m_form(CFormLoader::LoadInto(this, templateId)) {}

void CFormPage::EnsureLoaded() {
    if (!m_loaded) {
        m_loaded = true;
        Load();
    }
}
