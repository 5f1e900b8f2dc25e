#pragma once

#include "tariff_editor/TariffRecords.h"
#include "ui/FormPage.h"

#include <vector>

class CStringTable;
class CTextTableModel;
struct FieldError;

// The holidays of a tariff: dates typed in the user's locale or as ISO dates, and the public
// holidays of a year added at one go. Every change is written to the file at once.
class CTarifFTagePage : public CFormPage {
    Q_OBJECT
public:
    CTarifFTagePage(const CStringTable& strings, const std::string& path);

protected:
    void Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void AddTypedDate();
    void AddPublicHolidays();
    void DeleteSelected();
    // Why an add wrote nothing: a limit of the tariff, or the file.
    FieldError Refusal(const TariffAdd& add) const;

    const CStringTable& m_strings;
    CTariffRecords m_records;
    std::vector<HolidayRow> m_holidays;
    CTextTableModel* m_model;
};
