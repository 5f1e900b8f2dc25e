#pragma once

class CMeterStation;

// For testers: with FERNZAHL_CRASH_AT set to a step of a connection's end ("checkpoint-written",
// "daily-counter-saved", "counters-saved", "logged"), the program ends at once at that step, with
// exit code 99 and nothing cleaned up, as a crash or a kill would end it.
void ArmCrashPoint(CMeterStation& station);
