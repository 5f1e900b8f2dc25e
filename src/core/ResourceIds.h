#pragma once

// The numbers by which the program names the contents of its resource library: forms, the
// controls in them (a control's object name is "id" + its number), menus, icons and texts.
// Named here once, so a number is never written bare and a test can check every form for the
// controls its window uses.

namespace Form {
inline constexpr int kAbout = 100;
inline constexpr int kMain = 102;
inline constexpr int kZonePage = 107;
inline constexpr int kSplash = 142;
inline constexpr int kOptMonitoring = 165;
inline constexpr int kOptCounters = 166;
inline constexpr int kOptExport = 167;
inline constexpr int kOptSignals = 168;
inline constexpr int kDescription = 172;
inline constexpr int kOptDisplay = 173;
inline constexpr int kOptStartup = 183;
inline constexpr int kTariffOptions = 184;
inline constexpr int kZone = 185;
inline constexpr int kHolidayPage = 186;
inline constexpr int kDiscountPage = 187;
inline constexpr int kPublicHolidays = 188;
inline constexpr int kTariffChoice = 198;
inline constexpr int kOptTariffFiles = 200;
inline constexpr int kOptBudget = 201;
inline constexpr int kAssignment = 207;
inline constexpr int kLogView = 174;
inline constexpr int kLogFilter = 180;
inline constexpr int kSummary = 197;
inline constexpr int kTariffComparison = 202;
} // namespace Form

namespace Control {
// The buttons every dialog may have.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kHelp = 9;

// Main window
inline constexpr int kConnectionText = 1018;
inline constexpr int kCounterText = 1019;
inline constexpr int kCounterCaption = 1020;
inline constexpr int kFirstCounterChoice = 1021; // four radio buttons, 1021 to 1024
inline constexpr int kConnectionCaption = 1025;

// About box and description prompt
inline constexpr int kAboutLink = 1066;
inline constexpr int kDescription = 1003;

// Options: monitoring
inline constexpr int kWatchDialUp = 1088;
inline constexpr int kModemDevice = 1089;
inline constexpr int kAskDescription = 1090;
inline constexpr int kWatchModem = 1091;
inline constexpr int kDialUpHint = 1093;
inline constexpr int kLeadTime = 1014;
inline constexpr int kModemDeviceLabel = 1151;
inline constexpr int kToleranceLabel = 1152;
inline constexpr int kTolerance = 1153;

// Options: counters
inline constexpr int kResetDay = 1049;
inline constexpr int kAutoReset = 1050;
inline constexpr int kOnlyAtStart = 1051;

// Options: budget
inline constexpr int kBudgetLimit = 1200;
inline constexpr int kBudgetWarnShare = 1201;

// Options: export
inline constexpr int kAutoExport = 1094;

// Options: signals
inline constexpr int kSignalTime = 1068;
inline constexpr int kSignalUnits = 1069;
inline constexpr int kUnitCount = 1070;
inline constexpr int kMinutes = 1071;
inline constexpr int kSoundFile1 = 1072;
inline constexpr int kBrowse1 = 1073;
inline constexpr int kSignalEveryUnit = 1074;
inline constexpr int kPlay1 = 1075;
inline constexpr int kSignal20sBefore = 1076;
inline constexpr int kSoundFile2 = 1083;
inline constexpr int kNotifyEnd = 1095;
inline constexpr int kNotifyStart = 1096;
inline constexpr int kBrowse2 = 1084;
inline constexpr int kPlay2 = 1085;

// Options: display
inline constexpr int kShowOnConnect = 1098;
inline constexpr int kPreviewTimeFirst = 1099;
inline constexpr int kPreviewCostsFirst = 1101;
inline constexpr int kCostsFirst = 1141;
inline constexpr int kLanguage = 1190;

// Options: start-up
inline constexpr int kShowSplash = 1104;
inline constexpr int kAutostart = 1105;

// Lists and the tariff files
inline constexpr int kList = 1110;
inline constexpr int kNewTariffFile = 1107;
inline constexpr int kDeleteTariffFile = 1109;

// Log view
inline constexpr int kLogList = 1027;
inline constexpr int kLogProgress = 1039;
inline constexpr int kFilterMarker = 1154;
inline constexpr int kLogTotals = 1155;

// Summary (its list is kList)
inline constexpr int kSummaryFiltered = 1156;
inline constexpr int kSummaryUnfiltered = 1157;
inline constexpr int kSummaryPrint = 1159;
inline constexpr int kSummaryChart = 1160;
inline constexpr int kSummaryChartValue = 1161;
inline constexpr int kSummaryShowChart = 1162;
inline constexpr int kSummarySaveChart = 1163;
inline constexpr int kSummaryPreview = 1164;

// Tariff comparison
inline constexpr int kCompareCaption = 1170;
inline constexpr int kCompareProgress = 1171;
inline constexpr int kCompareTariffs = 1173;
inline constexpr int kCompareChart = 1174;
inline constexpr int kCompareConnectionsOf = 1175;
inline constexpr int kCompareConnections = 1176;
inline constexpr int kCompareExport = 1177;
inline constexpr int kCompareSaveChart = 1178;

// Log filter
inline constexpr int kFilterConnection = 1002;
inline constexpr int kFilterUser = 1003;
inline constexpr int kFilterDevice = 1004;
inline constexpr int kFilterTariff = 1005;
inline constexpr int kFilterFrom = 1028;
inline constexpr int kFilterTo = 1029;
inline constexpr int kFilterShortest = 1030;
inline constexpr int kFilterLongest = 1031;
inline constexpr int kFilterCheapest = 1032;
inline constexpr int kFilterDearest = 1033;
inline constexpr int kFilterFewestUnits = 1034;
inline constexpr int kFilterMostUnits = 1035;

// Tariff options
inline constexpr int kOptionMinimumCharge = 1108;
inline constexpr int kOptionDiscount = 1107;
inline constexpr int kOptionFridayOwnTable = 1105;
inline constexpr int kOptionSundayOwnTable = 1106;
inline constexpr int kOptionHolidaysAsSundays = 1111;

// Tariff editor: the zone page (its list is kList)
inline constexpr int kZoneHeadline = 1106;
inline constexpr int kAddZone = 1107;
inline constexpr int kEditZone = 1108;
inline constexpr int kDeleteZone = 1109;
inline constexpr int kMoveZoneUp = 1181;
inline constexpr int kMoveZoneDown = 1182;
inline constexpr int kDayStrip = 1120;

// Tariff editor: the zone dialog
inline constexpr int kFirstQuarter = 1113;
inline constexpr int kLastQuarter = 1114;
inline constexpr int kSecondsPerUnit = 1116;
inline constexpr int kUnitPrice = 1117;
inline constexpr int kStartCharge = 1108;
inline constexpr int kInitialPeriod = 1110;
inline constexpr int kMinimumCharge = 1109;
inline constexpr int kNoDiscount = 1119;
inline constexpr int kDiscountSecondsPerUnit = 1111;
inline constexpr int kMinimumChargeGroup = 1121;
inline constexpr int kDiscountGroup = 1122;

// Tariff editor: the holiday page (its list is kList) and the public holidays it adds
inline constexpr int kHolidayDate = 1126;
inline constexpr int kAddHoliday = 1107;
inline constexpr int kDeleteHoliday = 1109;
inline constexpr int kAddPublicHolidays = 1129;
inline constexpr int kHolidayYear = 1130;
inline constexpr int kHolidayCountry = 1131;

// Tariff editor: the discount page
inline constexpr int kUnitLimit = 1060;
inline constexpr int kDiscountPrice = 1117;
inline constexpr int kResetDiscountWithCounters = 1050;
inline constexpr int kDiscountCounter = 1127;
inline constexpr int kDiscountCounterText = 1128;
inline constexpr int kResetDiscountCounter = 1042;

// Assignment of dial-up entries
inline constexpr int kAssign = 1143;
inline constexpr int kTariffChoice = 1144;
} // namespace Control

namespace Menu {
inline constexpr unsigned kMain = 102;
inline constexpr unsigned kTray = 132;
inline constexpr unsigned kLogView = 174;
} // namespace Menu

namespace Icon {
inline constexpr int kWindow = 128;
inline constexpr int kMetering = 129;
inline constexpr int kIdle = 130;
inline constexpr int kAboutPicture = 178;
} // namespace Icon

namespace Str {
inline constexpr unsigned kProductKey = 100;
inline constexpr unsigned kTimerFailed = 110;
inline constexpr unsigned kDefaultTariffInstalled = 115;
inline constexpr unsigned kDefaultTariffNotInstalled = 116;
inline constexpr unsigned kExampleTariffNotInstalled = 117;
inline constexpr unsigned kRunRecovered = 118;
inline constexpr unsigned kCheckpointUnreadable = 119;
inline constexpr unsigned kSettingsDamaged = 122;
inline constexpr unsigned kRunNotRecorded = 123;
inline constexpr unsigned kUnloggedRunLogged = 125;
inline constexpr unsigned kUncountedRunCounted = 128;
inline constexpr unsigned kSettingsUnreadable = 129;
inline constexpr unsigned kNotARegularFile = 130;
inline constexpr unsigned kSettingsFileTooLarge = 132;
inline constexpr unsigned kCheckpointNotRemoved = 131;
inline constexpr unsigned kRecordsLostAtEnd = 126;
inline constexpr unsigned kDataFolderUnusable = 127;
inline constexpr unsigned kCheckpointNotWritten = 124;
inline constexpr unsigned kExitQuestion = 121;
inline constexpr unsigned kShortText = 170;
inline constexpr unsigned kCounterTotals = 171;
inline constexpr unsigned kConnectionText = 173;
inline constexpr unsigned kIdleShortText = 174;
inline constexpr unsigned kLastConnection = 175;
inline constexpr unsigned kCurrentConnection = 176;
inline constexpr unsigned kNothingWatched = 178;
inline constexpr unsigned kOpenOptions = 179;
inline constexpr unsigned kNothingMeteredYet = 177;
inline constexpr unsigned kFirstCounterCaption = 180; // 180 to 183
inline constexpr unsigned kFirstGroupHeading = 191;   // 191 to 197, in the order of the summary's modes
inline constexpr unsigned kResetCounterQuestion = 190;
inline constexpr unsigned kAboutCaption = 220;
inline constexpr unsigned kAboutAddress = 225;
inline constexpr unsigned kOptionsCaption = 300;
inline constexpr unsigned kSoundFileFilter = 301;
inline constexpr unsigned kChooseAWatchMethod = 302;
inline constexpr unsigned kClose = 303;
inline constexpr unsigned kHelpPageMissing = 304;
inline constexpr unsigned kDialUpNotFound = 306;
inline constexpr unsigned kZoneOverlaps = 551;
inline constexpr unsigned kOverlapApplies = 552;
inline constexpr unsigned kOverlapOrder = 553;
inline constexpr unsigned kLogTitle = 400;
inline constexpr unsigned kLogPage = 401;
inline constexpr unsigned kLogTotal = 402;
inline constexpr unsigned kLogPrintedRows = 403;
inline constexpr unsigned kFirstLogColumn = 410; // 410 to 417
inline constexpr unsigned kLogTotals = 418;
inline constexpr unsigned kAllEntries = 419;
inline constexpr unsigned kDeleteWholeLogQuestion = 430;
inline constexpr unsigned kDeleteShownQuestion = 431;
inline constexpr unsigned kDeleteSelectedQuestion = 432;
inline constexpr unsigned kLogChangedNothingDeleted = 480;
inline constexpr unsigned kExportFileFilter = 440;
inline constexpr unsigned kUnknownUser = 450;
inline constexpr unsigned kNoName = 455;
inline constexpr unsigned kModemNoPermission = 460;
inline constexpr unsigned kModemNoGroup = 463;
inline constexpr unsigned kModemDeviceTooLong = 464;
inline constexpr unsigned kModemLineTitle = 461;
inline constexpr unsigned kModemDeviceNotAPath = 462;
inline constexpr unsigned kLogNotWrittenKept = 459;
inline constexpr unsigned kFileNotWritten = 458;
inline constexpr unsigned kSummaryTitle = 470;
inline constexpr unsigned kSummaryPage = 471;
inline constexpr unsigned kSummaryCount = 475;
inline constexpr unsigned kChartFileFilter = 476;
inline constexpr unsigned kTariffCaption = 500;
// The caption of each zone page; the number after it is the page's headline.
inline constexpr unsigned kZonesMondayToFriday = 501;
inline constexpr unsigned kZonesMondayToThursday = 503;
inline constexpr unsigned kZonesFriday = 505;
inline constexpr unsigned kZonesWeekend = 507;
inline constexpr unsigned kZonesSaturday = 509;
inline constexpr unsigned kZonesSunday = 511;
inline constexpr unsigned kZonesHolidays = 513;
inline constexpr unsigned kFromColumn = 530;
inline constexpr unsigned kToColumn = 531;
inline constexpr unsigned kSecondsPerUnitColumn = 532;
inline constexpr unsigned kPriceColumn = 533;
inline constexpr unsigned kHolidayColumn = 535;
inline constexpr unsigned kStartChargeColumn = 536;
inline constexpr unsigned kMinimumChargeColumn = 537;
inline constexpr unsigned kDiscountColumn = 538;
inline constexpr unsigned kInitialPeriodColumn = 539;
inline constexpr unsigned kDiscountSecondsColumn = 540;
inline constexpr unsigned kDiscountAllowed = 545;
inline constexpr unsigned kDiscountExcluded = 546;
inline constexpr unsigned kDiscountUnits = 560;
inline constexpr unsigned kTariffColumn = 570;
inline constexpr unsigned kDefaultTariff = 571;
// What a record stores where it has no name of its own, in the language of the program that wrote it.
inline constexpr unsigned kStoredNames[] = {kUnknownUser, kNoName, kDefaultTariff};
inline constexpr unsigned kTariffFileFilter = 572;
inline constexpr unsigned kDeleteTariffQuestion = 573;
inline constexpr unsigned kTariffFileNotDeleted = 481;
inline constexpr unsigned kNewTariffFileTitle = 574;
inline constexpr unsigned kDialUpEntryColumn = 575;
inline constexpr unsigned kModemLineRow = 576;
inline constexpr unsigned kStretchTip = 580;
inline constexpr unsigned kStretchOverlapTip = 581;
inline constexpr unsigned kDefaultRateTip = 582;
inline constexpr unsigned kHolidaysAllHeld = 583;
inline constexpr unsigned kZoneLimitReached = 584;
inline constexpr unsigned kHolidayLimitReached = 585;
inline constexpr unsigned kRecordLimitReached = 586;
inline constexpr unsigned kBudgetTitle = 600;
inline constexpr unsigned kBudgetLeft = 601;
inline constexpr unsigned kBudgetOver = 602;
inline constexpr unsigned kBudgetSharePassed = 603;
inline constexpr unsigned kBudgetLimitPassed = 604;
inline constexpr unsigned kBudgetProjectionPassed = 605;
inline constexpr unsigned kAmountOutOfRange = 606;
inline constexpr unsigned kCompareCaption = 640;
inline constexpr unsigned kCompareDifference = 641;
inline constexpr unsigned kCompareSaving = 642;
inline constexpr unsigned kCompareCheapest = 643;
inline constexpr unsigned kCompareUnreadable = 644;
inline constexpr unsigned kCompareLoggedUnits = 645;
inline constexpr unsigned kCompareLoggedCosts = 646;
inline constexpr unsigned kCompareConnectionsOf = 647;
inline constexpr unsigned kCompareFileFilter = 648;
inline constexpr unsigned kCompareNothing = 649;
inline constexpr unsigned kConnectionStartedTitle = 660;
inline constexpr unsigned kConnectionEndedTitle = 661;
inline constexpr unsigned kConnectionStarted = 662;
inline constexpr unsigned kConnectionEndedOneUnit = 663;
inline constexpr unsigned kConnectionEnded = 664;
inline constexpr unsigned kRecoveryTitle = 665;
inline constexpr unsigned kRecordWaitingTitle = 666;
inline constexpr unsigned kRecordWaiting = 667;
inline constexpr unsigned kMeteringInBackground = 668;
inline constexpr unsigned kCountersGroup = 669;
inline constexpr unsigned kSimulationHoldsFolder = 670;
inline constexpr unsigned kReplacedProgramHoldsFolder = 671;
inline constexpr unsigned kOtherCopyHoldsFolder = 672;
inline constexpr unsigned kFolderHeldByProgram = 673;
inline constexpr unsigned kFolderHeldByUnknown = 674;
inline constexpr unsigned kTariffPastLimitsTitle = 680;
inline constexpr unsigned kTariffPastLimits = 681;
inline constexpr unsigned kWholeNumber = 61712;
inline constexpr unsigned kTooManyCharacters = 61716;
inline constexpr unsigned kDateExample = 61720;
inline constexpr unsigned kDateTimeExample = 61722;
inline constexpr unsigned kNumberOutOfRange = 61714;
inline constexpr unsigned kNotAnUnsignedNumber = 61719;
inline constexpr unsigned kApplicationTitle = 57344;
inline constexpr unsigned kProgramDescription = 101;
inline constexpr unsigned kDataDirOption = 102;
inline constexpr unsigned kDataDirValue = 103;
} // namespace Str
