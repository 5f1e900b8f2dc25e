#pragma once

#include "ui/FieldError.h"
#include "ui/FormLoader.h"

#include <QWidget>

#include <optional>

// The base of a page of a property sheet. Its values are loaded when it is first shown; it is
// validated when the user leaves it and on OK; it is saved on OK only if it was shown.
class CFormPage : public QWidget {
    Q_OBJECT
public:
    explicit CFormPage(int templateId);

    bool WasShown() const { return m_loaded; }
    // Loads the values now (the sheet calls it when the page first comes to the front).
    void EnsureLoaded();
    // Checks the fields; the page cannot be left while one is refused.
    virtual std::optional<FieldError> Validate() { return std::nullopt; }
    // Checks that concern the whole page, made only when the sheet is to close with OK.
    virtual std::optional<FieldError> ValidateForClosing() { return std::nullopt; }
    // Writes the values; a write that failed comes back as its message, and the sheet stays open.
    virtual std::optional<FieldError> Save() { return std::nullopt; }

    template <class T> T* Control(int id) const { return CFormLoader::Find<T>(m_form, m_templateId, id); }

protected:
    virtual void Load() {}

private:
    int m_templateId;
    QWidget* m_form;
    bool m_loaded = false;
};
