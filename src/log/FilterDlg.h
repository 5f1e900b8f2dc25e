#pragma once

#include "log/ProtokollFilter.h"
#include "ui/FormDlg.h"

#include <string>

class CStringTable;

// The log filter's criteria to choose from: the texts that occur in the log and the bounds of
// starts, durations, units and costs. OK makes the filter active; Cancel leaves it as it was.
class CFilterDlg : public CFormDlg {
    Q_OBJECT
public:
    CFilterDlg(CProtokollFilter& filter, std::string directory, const CDateTime& now, const CStringTable& strings,
               QWidget* parent);

protected:
    void Load() override;
    std::optional<FieldError> Validate() override;
    std::optional<FieldError> Save() override;

private:
    CProtokollFilter& m_filter;
    std::string m_directory;
    CDateTime m_now;
    const CStringTable& m_strings;
    CProtokollFilter m_typed; // the bounds as the last check read them
};
