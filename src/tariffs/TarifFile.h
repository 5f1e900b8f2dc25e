#pragma once

#include "core/Money.h"
#include "core/RecordFile.h"

#include <array>
#include <string>

// A tariff file: 60-byte records of kinds options, discount, holiday and zones of a day kind.
// The accessors read and write the fields of the current record in place.
struct TariffZone;

class CTarifFile : public CRecordFile {
public:
    static constexpr uint32_t kDataSize = 56;

    enum Kind : uint32_t {
        kOptions = 1024,
        kDiscount = 1025,
        kHoliday = 128,
        kWorkingDays = 64,
        kFriday = 5,
        kWeekend = 65,
        kSunday = 7,
        kHolidays = 66,
    };
    // The options of the options record, by their place in it.
    enum Option { kMinimumCharge = 0, kDiscountScheme, kFridayOwnTable, kSundayOwnTable, kHolidaysAsSundays };
    // Searches: FindFirst(kByKind, kind) walks the records of a kind; FindFirst(kHolidayOfDay, day number)
    // finds the holiday record of that day.
    enum Selector : int32_t { kByKind = 0, kHolidayOfDay = 1 };

    explicit CTarifFile(std::string path) : m_path(std::move(path)) {}

    const std::string& GetPath() const { return m_path; }
    // Opens the file (creating it empty when missing) and tells whether it holds an options record.
    bool IsTariffFile();
    // Whether every record of the file is one of a tariff's kinds, so that tariff records may be
    // written into it (a new, empty file is one). Creates nothing.
    bool HoldsOnlyTariffRecords();
    // Clears the current record's data, so a new record is written with zeros in its reserved bytes.
    void ClearData() { m_data.fill(0); }

    uint32_t GetKind() const;
    void SetKind(uint32_t kind);

    bool GetOption(Option option) const;
    void SetOption(Option option, bool on);

    uint32_t GetUnitLimit() const;
    void SetUnitLimit(uint32_t limit);
    CMoney GetDiscountPrice() const;
    void SetDiscountPrice(const CMoney& price);

    double GetHolidayDate() const;
    void SetHolidayDate(double oleDate);

    uint16_t GetFirstQuarter() const;
    void SetFirstQuarter(uint16_t quarter);
    uint16_t GetLastQuarter() const;
    void SetLastQuarter(uint16_t quarter);
    uint16_t GetInitialPeriod() const;
    void SetInitialPeriod(uint16_t seconds);
    uint16_t GetDiscountSecondsPerUnit() const;
    void SetDiscountSecondsPerUnit(uint16_t seconds);
    uint16_t GetSecondsPerUnit() const;
    void SetSecondsPerUnit(uint16_t seconds);
    CMoney GetUnitPrice() const;
    void SetUnitPrice(const CMoney& price);
    CMoney GetStartCharge() const;
    void SetStartCharge(const CMoney& charge);
    CMoney GetMinimumCharge() const;
    void SetMinimumCharge(const CMoney& charge);
    bool GetNoDiscount() const;
    void SetNoDiscount(bool noDiscount);
    // The nine fields of a zone record at once.
    TariffZone GetZone() const;
    void SetZone(const TariffZone& zone);

protected:
    uint32_t GetDataSize() const override { return kDataSize; }
    std::string GetRecordFileName() const override { return m_path; }
    void ReadData(const uint8_t* data) override;
    void WriteData(uint8_t* data) const override;
    bool Matches(int32_t selector, int32_t value) const override;

private:
    template <typename T> T Get(size_t recordOffset) const;
    template <typename T> void Set(size_t recordOffset, T value);
    CMoney GetMoney(size_t recordOffset) const;
    void SetMoney(size_t recordOffset, const CMoney& amount);

    std::string m_path;
    std::array<uint8_t, kDataSize> m_data{};
};

// The day kinds of zone records in the order they are shown, with their names.
struct DayKindName {
    uint32_t kind;
    const char* name;
};
extern const DayKindName kDayKindNames[5];
// "unknown" for a kind that is no day kind.
const char* NameOfDayKind(uint32_t kind);
