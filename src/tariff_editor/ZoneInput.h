#pragma once

#include "settings/LocaleFacts.h"
#include "tariffs/TariffZone.h"

#include <string>

class CStringTable;

// The zone dialog's fields as the user left them: the two times as quarter-hour indexes, the
// numbers and amounts as typed.
struct ZoneTexts {
    int firstQuarter = 0;
    int lastQuarter = TariffZone::kLastQuarterOfDay;
    std::string secondsPerUnit;
    std::string price;
    std::string startCharge;
    std::string initialPeriod;
    std::string minimumCharge;
    bool noDiscount = false;
    std::string discountSecondsPerUnit;
};

// The charging schemes a tariff uses: the zone dialog shows the fields of these only.
struct ZoneSchemes {
    bool minimumCharge = true;
    bool discount = true;
};

// The zone dialog's rules, checked in the order of its fields: the unit lengths and the initial
// period are 16-bit numbers on disk (above 65535: message 61714), the amounts are read in the
// user's locale (61721), and a zone must not end before it starts (550; one across midnight is
// entered as two zones). The first refusal names its field.
class CZoneInput {
public:
    static constexpr unsigned kEndBeforeStart = 550;
    static constexpr uint32_t kLargestField = 65535;

    enum class Field {
        kNone,
        kLastQuarter,
        kSecondsPerUnit,
        kPrice,
        kStartCharge,
        kInitialPeriod,
        kMinimumCharge,
        kDiscountSecondsPerUnit
    };

    // The fields of a scheme the tariff does not use are hidden: they are not checked, and keep the
    // values of the zone edited (kept), whatever they are.
    static CZoneInput Check(const ZoneTexts& texts, const LocaleFacts& facts, const CStringTable& strings,
                            ZoneSchemes schemes = {}, const TariffZone& kept = {});
    // The texts the dialog shows for a zone, so that the zone comes back unchanged.
    static ZoneTexts TextsOf(const TariffZone& zone, const LocaleFacts& facts);

    bool IsValid() const { return m_field == Field::kNone; }
    const TariffZone& Zone() const { return m_zone; }
    Field RefusedField() const { return m_field; }
    const std::string& Message() const { return m_message; }

private:
    bool TakeNumber(const std::string& text, Field field, uint16_t& into, const CStringTable& strings);
    bool TakeAmount(const std::string& text, Field field, CMoney& into, const LocaleFacts& facts,
                    const CStringTable& strings);
    void Refuse(Field field, std::string message);

    TariffZone m_zone;
    Field m_field = Field::kNone;
    std::string m_message;
};
