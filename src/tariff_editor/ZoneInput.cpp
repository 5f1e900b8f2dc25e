#include "tariff_editor/ZoneInput.h"

#include "core/StringTable.h"
#include "settings/AmountInput.h"
#include "settings/Formatting.h"
#include "settings/NumberInput.h"

void CZoneInput::Refuse(Field field, std::string message) {
    m_field = field;
    m_message = std::move(message);
}

bool CZoneInput::TakeNumber(const std::string& text, Field field, uint16_t& into, const CStringTable& strings) {
    const CNumberInput number = CNumberInput::Check(text, 0, kLargestField);
    if (!number.IsValid()) {
        Refuse(field, number.Message(strings));
        return false;
    }
    into = static_cast<uint16_t>(number.Value());
    return true;
}

bool CZoneInput::TakeAmount(const std::string& text, Field field, CMoney& into, const LocaleFacts& facts,
                            const CStringTable& strings) {
    const CAmountInput amount = CAmountInput::Check(text, facts);
    if (!amount.IsValid()) {
        Refuse(field, amount.Message(strings));
        return false;
    }
    into = amount.Value();
    return true;
}

CZoneInput CZoneInput::Check(const ZoneTexts& texts, const LocaleFacts& facts, const CStringTable& strings,
                             ZoneSchemes schemes, const TariffZone& kept) {
    CZoneInput input;
    TariffZone& zone = input.m_zone;
    zone = kept;
    zone.firstQuarter = static_cast<uint16_t>(texts.firstQuarter);
    zone.lastQuarter = static_cast<uint16_t>(texts.lastQuarter);
    if (schemes.discount) {
        zone.noDiscount = texts.noDiscount;
    }
    const bool taken =
        input.TakeNumber(texts.secondsPerUnit, Field::kSecondsPerUnit, zone.secondsPerUnit, strings) &&
        input.TakeAmount(texts.price, Field::kPrice, zone.price, facts, strings) &&
        (!schemes.minimumCharge ||
         (input.TakeAmount(texts.startCharge, Field::kStartCharge, zone.startCharge, facts, strings) &&
          input.TakeNumber(texts.initialPeriod, Field::kInitialPeriod, zone.initialPeriod, strings) &&
          input.TakeAmount(texts.minimumCharge, Field::kMinimumCharge, zone.minimumCharge, facts, strings))) &&
        (!schemes.discount || input.TakeNumber(texts.discountSecondsPerUnit, Field::kDiscountSecondsPerUnit,
                                               zone.discountSecondsPerUnit, strings));
    if (taken && texts.lastQuarter < texts.firstQuarter) {
        input.Refuse(Field::kLastQuarter, strings.Get(kEndBeforeStart));
    }
    return input;
}

ZoneTexts CZoneInput::TextsOf(const TariffZone& zone, const LocaleFacts& facts) {
    return {zone.firstQuarter,
            zone.lastQuarter,
            std::to_string(zone.secondsPerUnit),
            FormatAmount(zone.price, facts),
            FormatAmount(zone.startCharge, facts),
            std::to_string(zone.initialPeriod),
            FormatAmount(zone.minimumCharge, facts),
            zone.noDiscount,
            std::to_string(zone.discountSecondsPerUnit)};
}
