#pragma once

#include <QDialog>

#include <vector>

class CFormPage;
struct FieldError;
class QPushButton;
class QTabWidget;

// Pages on tabs with OK and Cancel. A page is loaded when it first comes to the front and must
// be valid before another may; OK validates every shown page, keeps the sheet open on the first
// refusal, and otherwise saves the shown pages in tab order, staying open on the first that could
// not be written.
class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    CPropertySheet(const QString& caption, QWidget* parent);

    // The sheet takes the page.
    void AddPage(CFormPage* page);
    void accept() override;
    // After a change that Cancel cannot take back, Cancel only closes.
    void CancelToClose(const QString& closeText);
    QTabWidget* Tabs() const { return m_tabs; }
    CFormPage* Page(int index) const { return m_pages[index]; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnTabChanged(int index);
    // A page fills on its first display, after the buttons were made: Tab then goes from the tabs
    // through the page to the buttons.
    void PutButtonsLast();
    // The page to the front with its refusal; the sheet stays open.
    void ShowRefusal(int page, const FieldError& error);

    QTabWidget* m_tabs;
    QWidget* m_buttons;
    QPushButton* m_cancel;
    std::vector<CFormPage*> m_pages;
    int m_current = -1;
};
