#pragma once

#include "tariff_editor/PublicHolidays.h"
#include "ui/FormDlg.h"

// Asks which public holidays to add: the year and the country.
class CFeiertageDlg : public CFormDlg {
    Q_OBJECT
public:
    CFeiertageDlg(int year, QWidget* parent);

    int Year() const;
    CPublicHolidays::Country Country() const;

protected:
    void Load() override;

private:
    int m_year;
};
