#pragma once

#include "tariff_editor/TarifZoneDlg.h"
#include "tariff_editor/TariffRecords.h"
#include "ui/FormPage.h"

#include <vector>

class CDayStrip;
class CListView;
class CStringTable;
class CTextTableModel;

// The zones of one day kind, listed in file order with the columns of the schemes the tariff
// uses, and the day they make under the list. Add, edit and delete write to the file at once.
class CTarifTagPage : public CFormPage {
    Q_OBJECT
public:
    // caption: the page's caption string; the headline is the string after it.
    CTarifTagPage(const CStringTable& strings, const std::string& path, uint32_t dayKind, unsigned caption,
                  CTarifZoneDlg::Schemes schemes);

protected:
    void Load() override;
    // Enter and F2 edit the chosen zone, Del deletes it, in the list itself.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Column;
    std::vector<Column> Columns() const;
    void Fill();
    void AddZone();
    void EditSelected();
    void DeleteSelected();
    // The chosen zone changes places with its neighbour (-1 above, +1 below).
    void MoveSelected(int step);
    void UpdateButtons();
    void Select(uint32_t record);
    // Tells where the zone of that record overlaps others, and which zone applies there.
    void WarnOfOverlaps(uint32_t record);
    CListView* List() const;
    // The row the user chose, or -1 after a beep.
    int SelectedRow() const;
    void RunZoneDialog(std::optional<uint32_t> record);

    const CStringTable& m_strings;
    CTariffRecords m_records;
    uint32_t m_dayKind;
    unsigned m_caption;
    CTarifZoneDlg::Schemes m_schemes;
    std::vector<ZoneRow> m_zones;
    CTextTableModel* m_model = nullptr;
    CDayStrip* m_strip = nullptr;
};
