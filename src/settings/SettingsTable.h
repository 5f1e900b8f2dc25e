#pragma once

#include <array>
#include <cstdint>

// Every fixed setting of the program with the default its readers pass. Per-entry values
// ("Zuordnung", "MRU0".."MRU14", column widths) are named by their users.

// A number with the range the options sheet and the command line accept (flags are 0 or 1).
struct DwordSetting {
    const char* section;
    const char* name;
    uint32_t defaultValue;
    uint32_t minValue = 0;
    uint32_t maxValue = UINT32_MAX;
    // An amount of money, kept in ten-thousandths of the currency unit and typed as an amount.
    bool isAmount = false;
};

struct StringSetting {
    const char* section;
    const char* name;
    const char* defaultValue;
};

namespace Section {
inline constexpr const char* kAllgemein = "Allgemein";
inline constexpr const char* kBudget = "Budget";
inline constexpr const char* kProtokoll = "Protokoll";
inline constexpr const char* kTimer = "Timer";
inline constexpr const char* kZaehler = "Zähler";
inline constexpr const char* kUeberwachung = "Überwachung";
inline constexpr const char* kZuordnung = "Zuordnung";
inline constexpr const char* kZusammenfassung = "Zusammenfassung";
} // namespace Section

namespace Setting {
inline constexpr DwordSetting kKostenZuerst{Section::kAllgemein, "KostenZuerst", 0, 0, 1};
inline constexpr DwordSetting kSichtbarBeiVerb{Section::kAllgemein, "SichtbarBeiVerb", 1, 0, 1};
inline constexpr DwordSetting kSplashScreen{Section::kAllgemein, "SplashScreen", 1, 0, 1};
inline constexpr DwordSetting kFirstSteps{Section::kAllgemein, "FirstSteps", 0, 0, 1};
inline constexpr DwordSetting kImmerSichtbar{Section::kAllgemein, "ImmerSichtbar", 0, 0, 1};
inline constexpr DwordSetting kZaehlerAnzeige{Section::kAllgemein, "ZaehlerAnzeige", 0, 0, 3};
// The language of windows and texts, from the next start: 0 as the desktop's, 1 English, 2 German.
inline constexpr DwordSetting kSprache{Section::kAllgemein, "Sprache", 0, 0, 2};
inline constexpr DwordSetting kAutoExport{Section::kProtokoll, "AutoExport", 0, 0, 1};
inline constexpr DwordSetting kBeschrAbfragen{Section::kProtokoll, "BeschrAbfragen", 1, 0, 1};
inline constexpr DwordSetting kLogSortColumn{Section::kProtokoll, "SortierungSpalte", 0, 0, 7};
inline constexpr DwordSetting kLogSortDescending{Section::kProtokoll, "SortierungAbsteigend", 0, 0, 1};
inline constexpr DwordSetting kSignalEinh{Section::kTimer, "SignalEinh", 0, 0, 1};
inline constexpr DwordSetting kAnzEinh{Section::kTimer, "AnzEinh", 5};
inline constexpr DwordSetting kSignalZeit{Section::kTimer, "SignalZeit", 0, 0, 1};
inline constexpr DwordSetting kZeit{Section::kTimer, "Zeit", 3};
inline constexpr DwordSetting kSignalJedeEinh{Section::kTimer, "SignalJedeEinh", 0, 0, 1};
inline constexpr DwordSetting kSignal20secVor{Section::kTimer, "Signal20secVor", 0, 0, 1};
// Desktop notifications at a connection's end (with its costs) and at its start.
inline constexpr DwordSetting kNotifyEnd{Section::kTimer, "MeldungBeimEnde", 1, 0, 1};
inline constexpr DwordSetting kNotifyStart{Section::kTimer, "MeldungBeimBeginn", 0, 0, 1};
inline constexpr StringSetting kDatei1{Section::kTimer, "Datei1", ""};
inline constexpr StringSetting kDatei2{Section::kTimer, "Datei2", ""};
inline constexpr DwordSetting kAutoReset{Section::kZaehler, "AutoReset", 0, 0, 1};
inline constexpr DwordSetting kResetTag{Section::kZaehler, "ResetTag", 1, 1, 31};
inline constexpr DwordSetting kNurBeimStart{Section::kZaehler, "NurBeimStart", 0, 0, 1};
inline constexpr DwordSetting kResetRabatt{Section::kZaehler, "ResetRabatt", 1, 0, 1};
inline constexpr DwordSetting kDfueNetzwerk{Section::kUeberwachung, "DFÜNetzwerk", 0, 0, 1};
inline constexpr DwordSetting kModem{Section::kUeberwachung, "Modem", 0, 0, 1};
// The assignment dialog offers the modem-line row unless the user switched the modem off.
inline constexpr DwordSetting kModemForAssignment{Section::kUeberwachung, "Modem", 1, 0, 1};
inline constexpr DwordSetting kPort{Section::kUeberwachung, "Port", 1, 0, 3};
// A serial device other than the four ports, by its path; while set it wins over "Port".
inline constexpr StringSetting kModemDevice{Section::kUeberwachung, "Gerät", ""};
inline constexpr DwordSetting kVorlaufzeit{Section::kUeberwachung, "Vorlaufzeit", 10, 0, 600};
inline constexpr DwordSetting kToleranzzeit{Section::kUeberwachung, "Toleranzzeit", 4};
inline constexpr DwordSetting kSummarySortColumn{Section::kZusammenfassung, "SortierungSpalte", 0, 0, 4};
inline constexpr DwordSetting kSummarySortDescending{Section::kZusammenfassung, "SortierungAbsteigend", 0, 0, 1};
// The summary's chart: hidden when nonzero, and what its bars show (costs, hours, units, connections).
inline constexpr DwordSetting kSummaryChartHidden{Section::kZusammenfassung, "DiagrammAus", 0, 0, 1};
inline constexpr DwordSetting kSummaryChartValue{Section::kZusammenfassung, "DiagrammWert", 0, 0, 3};

// The monthly budget on the monthly counter's costs: off while the limit is 0; warned at a share of
// it in percent. What was warned is kept with the counting month's first day (YYYYMMDD).
inline constexpr DwordSetting kBudgetLimit{Section::kBudget, "Limit", 0, 0, 1000000000, true};
inline constexpr DwordSetting kBudgetWarnShare{Section::kBudget, "Warnschwelle", 80, 1, 100};
inline constexpr DwordSetting kBudgetWarnedMonth{Section::kBudget, "GewarntMonat", 0};
inline constexpr DwordSetting kBudgetWarned{Section::kBudget, "Gewarnt", 0, 0, 7};

inline constexpr std::array<uint32_t, 8> kLogColumnWidths = {100, 60, 58, 58, 73, 73, 74, 74};
inline constexpr std::array<uint32_t, 5> kSummaryColumnWidths = {150, 80, 80, 80, 80};
inline constexpr unsigned kRecentDescriptions = 15;

// The fixed numeric settings, for listings and checks.
inline constexpr std::array kDwordSettings = {kKostenZuerst,
                                              kSichtbarBeiVerb,
                                              kSplashScreen,
                                              kFirstSteps,
                                              kImmerSichtbar,
                                              kZaehlerAnzeige,
                                              kSprache,
                                              kAutoExport,
                                              kBeschrAbfragen,
                                              kLogSortColumn,
                                              kLogSortDescending,
                                              kSignalEinh,
                                              kAnzEinh,
                                              kSignalZeit,
                                              kZeit,
                                              kSignalJedeEinh,
                                              kSignal20secVor,
                                              kNotifyEnd,
                                              kNotifyStart,
                                              kAutoReset,
                                              kResetTag,
                                              kNurBeimStart,
                                              kResetRabatt,
                                              kDfueNetzwerk,
                                              kModem,
                                              kPort,
                                              kVorlaufzeit,
                                              kToleranzzeit,
                                              kSummarySortColumn,
                                              kSummarySortDescending,
                                              kSummaryChartHidden,
                                              kSummaryChartValue,
                                              kBudgetLimit,
                                              kBudgetWarnShare,
                                              kBudgetWarnedMonth,
                                              kBudgetWarned};
inline constexpr std::array kStringSettings = {kDatei1, kDatei2, kModemDevice};
} // namespace Setting
