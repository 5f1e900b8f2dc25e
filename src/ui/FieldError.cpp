#include "ui/FieldError.h"

#include "ui/MessageBox.h"

#include <QLineEdit>

void FieldError::Show(QWidget* parent) const {
    CMessageBox::Show(parent, message, CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning);
    if (field == nullptr) {
        return;
    }
    // As if the user had gone there with the keyboard: a check box shows its focus frame only then.
    field->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field.data())) {
        edit->selectAll();
    }
}
