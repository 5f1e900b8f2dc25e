#pragma once

#include "tariff_editor/TariffRecords.h"
#include "ui/FormDlg.h"

class CStringTable;

// The options record of a tariff file: which schemes and which day tables it has. OK writes it,
// creating it in a file that has none; a file that cannot be written keeps the dialog open.
class CTarifOptionenDlg : public CFormDlg {
    Q_OBJECT
public:
    CTarifOptionenDlg(const CStringTable& strings, const std::string& path, QWidget* parent);

protected:
    void Load() override;
    std::optional<FieldError> Validate() override;

private:
    const CStringTable& m_strings;
    CTariffRecords m_records;
};
