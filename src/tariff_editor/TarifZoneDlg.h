#pragma once

#include "tariff_editor/TariffRecords.h"
#include "tariff_editor/ZoneInput.h"
#include "ui/FormDlg.h"

#include <cstdint>
#include <optional>

class CStringTable;
class QLineEdit;

// One zone of a day kind: its times, unit length and prices. The fields of a scheme the tariff
// does not use are hidden but kept and written all the same. OK writes the zone at once; a
// refused field or a file that cannot be written keeps the dialog open.
class CTarifZoneDlg : public CFormDlg {
    Q_OBJECT
public:
    using Schemes = ZoneSchemes;

    // A new zone of the day kind when record is empty, else the zone of that record.
    CTarifZoneDlg(const CStringTable& strings, const std::string& path, uint32_t dayKind,
                  std::optional<uint32_t> record, Schemes schemes, QWidget* parent);

protected:
    void Load() override;
    std::optional<FieldError> Validate() override;

private:
    QWidget* FieldWidget(CZoneInput::Field field) const;
    QLineEdit* Edit(int id) const;

    const CStringTable& m_strings;
    CTariffRecords m_records;
    uint32_t m_dayKind;
    std::optional<uint32_t> m_record;
    LocaleFacts m_facts;
    Schemes m_schemes;
    TariffZone m_loaded; // the values of the fields a scheme not in use hides
};
