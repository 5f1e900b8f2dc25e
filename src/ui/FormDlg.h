#pragma once

#include "ui/FieldError.h"
#include "ui/FormLoader.h"

#include <QDialog>

#include <optional>

// The base of every dialog: loads its form by template number, wires OK, Cancel and Help, and
// runs load -> validate -> save. A refused field keeps the dialog open with the field focused.
class CFormDlg : public QDialog {
    Q_OBJECT
public:
    CFormDlg(int templateId, QWidget* parent);

    // Shows the dialog modally. With FERNZAHL_NONINTERACTIVE=1 it is answered at once with OK
    // (Cancel when OK is refused), so scripts and tests never wait for a window.
    int Run();
    void accept() override;

    // The control of the form with that number; throws CFormError when the form lacks it.
    template <class T> T* Control(int id) const { return CFormLoader::Find<T>(m_form, m_templateId, id); }

protected:
    // Fills the controls; called once, before the dialog is first shown or accepted.
    virtual void Load() {}
    virtual std::optional<FieldError> Validate() { return std::nullopt; }
    // Hands the user's choices on; called only after Validate passed. A write that failed comes back
    // as its message, and the dialog stays open.
    virtual std::optional<FieldError> Save() { return std::nullopt; }
    // The help page that Help opens.
    virtual QString HelpPage() const;
    void showEvent(QShowEvent* event) override;

private:
    void EnsureLoaded();

    int m_templateId;
    QWidget* m_form;
    bool m_loaded = false;
};

// Runs any dialog modally, answering it at once in the non-interactive mode. A dialog with a parent
// blocks only its own windows, so that the tray icon keeps answering.
int RunModal(QDialog& dialog);
