#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// A field whose input was refused, with the message the user gets.
struct FieldError {
    QPointer<QWidget> field;
    QString message;

    // The message in a box; then the field has the focus with its text selected for retyping.
    void Show(QWidget* parent) const;
};
