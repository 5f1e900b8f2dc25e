#include "ui/FieldError.h"

#include "ui/MessageBox.h"

#include <QLineEdit>

void FieldError::Show(QWidget* parent) const {
    CMessageBox::Show(parent, message, CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning);
    if (field == nullptr) {
        return;
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field.data())) {
        edit->selectAll();
    }
}
