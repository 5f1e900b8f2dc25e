#pragma once

class QWidget;

// Dialog layouts live as Qt Designer forms in the resource library, one per template number.
class CFormLoader {
public:
    // Loads form "forms/<id>.ui" into the host: the form becomes the host's only child, filling it,
    // and the host takes the form's title and size. Controls are then found by their object names
    // ("id1018"). Returns the form, or nullptr when the library lacks it.
    static QWidget* LoadInto(QWidget* host, int templateId);
};
