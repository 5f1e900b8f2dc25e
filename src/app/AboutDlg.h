#pragma once

#include "ui/FormDlg.h"

class CStringTable;

// About Fernzahl: the picture with the program's name over it, and a button to the address the
// resource library names.
class CAboutDlg : public CFormDlg {
    Q_OBJECT
public:
    CAboutDlg(const CStringTable& strings, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QString m_address;
};
