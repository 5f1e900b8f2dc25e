#pragma once

#include <QString>
#include <QWidget>

#include <stdexcept>

// A form that lacks a control its window uses: a bug in the resource library, caught by a test.
class CFormError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Dialog layouts live as Qt Designer forms in the resource library, one per template number.
class CFormLoader {
public:
    // Loads form "forms/<id>.ui" into the host: the form becomes the host's only child, filling it,
    // and the host takes the form's title and size. Every table in a form is a CListView.
    // Throws CFormError when the library lacks the form.
    static QWidget* LoadInto(QWidget* host, int templateId);

    // The control with object name "id<number>" of the given type; throws CFormError when the form
    // has none.
    template <class T> static T* Find(const QWidget* form, int templateId, int controlId) {
        T* control = form->findChild<T*>(QStringLiteral("id%1").arg(controlId));
        if (control == nullptr) {
            throw CFormError("form " + std::to_string(templateId) + " lacks control " + std::to_string(controlId) +
                             " of the expected kind");
        }
        return control;
    }
};
