#include "support/MeteringWorld.h"

MeteringWorld::MeteringWorld(const CDateTime& start, uint64_t startTick)
    : clock(start, startTick),
      strings(CStringTable::Parse(ReadFile(std::string(FERNZAHL_SOURCE_DIR) + "/resources/strings.txt"))) {}
