#pragma once

#include <QDialog>

class CStringTable;

// The picture shown for a moment at start-up. It closes itself after 1400 ms; the user cannot
// close it earlier, and the help key does nothing while it is up.
class CSplashDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 1400;

    explicit CSplashDlg(const CStringTable& strings, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_caption;
};
