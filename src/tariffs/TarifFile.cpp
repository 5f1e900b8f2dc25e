#include "tariffs/TarifFile.h"

#include "core/LittleEndian.h"
#include "tariffs/TariffZone.h"

#include <cstring>
#include <filesystem>

// Offsets are those of the record, counted from its status word, as the file format names them.
namespace {
constexpr size_t kKindAt = 4;
constexpr size_t kFirstOptionAt = 12;
constexpr size_t kUnitLimitAt = 12;
constexpr size_t kDiscountPriceAt = 20;
constexpr size_t kHolidayDateAt = 12;
constexpr size_t kFirstQuarterAt = 12;
constexpr size_t kInitialPeriodAt = 14;
constexpr size_t kLastQuarterAt = 16;
constexpr size_t kDiscountSecondsAt = 18;
constexpr size_t kSecondsAt = 20;
constexpr size_t kPriceAt = 28;
constexpr size_t kStartChargeAt = 36;
constexpr size_t kMinimumChargeAt = 44;
constexpr size_t kNoDiscountAt = 52;
} // namespace

template <typename T> T CTarifFile::Get(size_t recordOffset) const {
    return LoadLittleEndian<T>(m_data.data() + recordOffset - 4);
}

template <typename T> void CTarifFile::Set(size_t recordOffset, T value) {
    StoreLittleEndian<T>(m_data.data() + recordOffset - 4, value);
}

CMoney CTarifFile::GetMoney(size_t recordOffset) const {
    return CMoney(Get<int64_t>(recordOffset));
}
void CTarifFile::SetMoney(size_t recordOffset, const CMoney& amount) {
    Set<int64_t>(recordOffset, amount.GetValue());
}

void CTarifFile::ReadData(const uint8_t* data) {
    std::memcpy(m_data.data(), data, kDataSize);
}
void CTarifFile::WriteData(uint8_t* data) const {
    std::memcpy(data, m_data.data(), kDataSize);
}

bool CTarifFile::Matches(int32_t selector, int32_t value) const {
    switch (selector) {
    case kByKind:
        return GetKind() == static_cast<uint32_t>(value);
    case kHolidayOfDay:
        // Exact comparison: a holiday stored with a time of day names no day.
        return GetKind() == kHoliday && GetHolidayDate() == static_cast<double>(value);
    default:
        return false;
    }
}

bool CTarifFile::IsTariffFile() {
    const bool found = OpenRecordFile() && FindFirst(kByKind, kOptions);
    Close();
    return found;
}

bool CTarifFile::HoldsOnlyTariffRecords() {
    std::error_code error;
    if (!std::filesystem::exists(m_path, error)) {
        return !error;
    }
    if (!OpenRecordFile()) {
        return false;
    }
    bool tariff = true;
    for (bool more = FirstValid(); more && tariff; more = NextValid()) {
        switch (GetKind()) {
        case kOptions:
        case kDiscount:
        case kHoliday:
        case kWorkingDays:
        case kFriday:
        case kWeekend:
        case kSunday:
        case kHolidays:
            break;
        default:
            tariff = false;
        }
    }
    Close();
    return tariff;
}

uint32_t CTarifFile::GetKind() const {
    return Get<uint32_t>(kKindAt);
}
void CTarifFile::SetKind(uint32_t kind) {
    Set<uint32_t>(kKindAt, kind);
}

bool CTarifFile::GetOption(Option option) const {
    return Get<uint32_t>(kFirstOptionAt + 4 * option) != 0;
}
void CTarifFile::SetOption(Option option, bool on) {
    Set<uint32_t>(kFirstOptionAt + 4 * option, on ? 1 : 0);
}

uint32_t CTarifFile::GetUnitLimit() const {
    return Get<uint32_t>(kUnitLimitAt);
}
void CTarifFile::SetUnitLimit(uint32_t limit) {
    Set<uint32_t>(kUnitLimitAt, limit);
}
CMoney CTarifFile::GetDiscountPrice() const {
    return GetMoney(kDiscountPriceAt);
}
void CTarifFile::SetDiscountPrice(const CMoney& price) {
    SetMoney(kDiscountPriceAt, price);
}

double CTarifFile::GetHolidayDate() const {
    return Get<double>(kHolidayDateAt);
}
void CTarifFile::SetHolidayDate(double oleDate) {
    Set<double>(kHolidayDateAt, oleDate);
}

uint16_t CTarifFile::GetFirstQuarter() const {
    return Get<uint16_t>(kFirstQuarterAt);
}
void CTarifFile::SetFirstQuarter(uint16_t quarter) {
    Set<uint16_t>(kFirstQuarterAt, quarter);
}
uint16_t CTarifFile::GetLastQuarter() const {
    return Get<uint16_t>(kLastQuarterAt);
}
void CTarifFile::SetLastQuarter(uint16_t quarter) {
    Set<uint16_t>(kLastQuarterAt, quarter);
}
uint16_t CTarifFile::GetInitialPeriod() const {
    return Get<uint16_t>(kInitialPeriodAt);
}
void CTarifFile::SetInitialPeriod(uint16_t seconds) {
    Set<uint16_t>(kInitialPeriodAt, seconds);
}
uint16_t CTarifFile::GetDiscountSecondsPerUnit() const {
    return Get<uint16_t>(kDiscountSecondsAt);
}
void CTarifFile::SetDiscountSecondsPerUnit(uint16_t seconds) {
    Set<uint16_t>(kDiscountSecondsAt, seconds);
}
uint16_t CTarifFile::GetSecondsPerUnit() const {
    return Get<uint16_t>(kSecondsAt);
}
void CTarifFile::SetSecondsPerUnit(uint16_t seconds) {
    Set<uint16_t>(kSecondsAt, seconds);
}
CMoney CTarifFile::GetUnitPrice() const {
    return GetMoney(kPriceAt);
}
void CTarifFile::SetUnitPrice(const CMoney& price) {
    SetMoney(kPriceAt, price);
}
CMoney CTarifFile::GetStartCharge() const {
    return GetMoney(kStartChargeAt);
}
void CTarifFile::SetStartCharge(const CMoney& charge) {
    SetMoney(kStartChargeAt, charge);
}
CMoney CTarifFile::GetMinimumCharge() const {
    return GetMoney(kMinimumChargeAt);
}
void CTarifFile::SetMinimumCharge(const CMoney& charge) {
    SetMoney(kMinimumChargeAt, charge);
}
bool CTarifFile::GetNoDiscount() const {
    return Get<uint32_t>(kNoDiscountAt) != 0;
}
void CTarifFile::SetNoDiscount(bool noDiscount) {
    Set<uint32_t>(kNoDiscountAt, noDiscount ? 1 : 0);
}

TariffZone CTarifFile::GetZone() const {
    return {GetFirstQuarter(),  GetLastQuarter(), GetSecondsPerUnit(),
            GetUnitPrice(),     GetStartCharge(), GetInitialPeriod(),
            GetMinimumCharge(), GetNoDiscount(),  GetDiscountSecondsPerUnit()};
}

void CTarifFile::SetZone(const TariffZone& zone) {
    SetFirstQuarter(zone.firstQuarter);
    SetLastQuarter(zone.lastQuarter);
    SetSecondsPerUnit(zone.secondsPerUnit);
    SetUnitPrice(zone.price);
    SetStartCharge(zone.startCharge);
    SetInitialPeriod(zone.initialPeriod);
    SetMinimumCharge(zone.minimumCharge);
    SetNoDiscount(zone.noDiscount);
    SetDiscountSecondsPerUnit(zone.discountSecondsPerUnit);
}

const DayKindName kDayKindNames[5] = {{CTarifFile::kWorkingDays, "working days"},
                                      {CTarifFile::kFriday, "Friday"},
                                      {CTarifFile::kWeekend, "weekend"},
                                      {CTarifFile::kSunday, "Sunday"},
                                      {CTarifFile::kHolidays, "holidays"}};

const char* NameOfDayKind(uint32_t kind) {
    for (const DayKindName& entry : kDayKindNames) {
        if (entry.kind == kind) {
            return entry.name;
        }
    }
    return "unknown";
}
