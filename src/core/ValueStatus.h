#pragma once

#include <cstdint>

// Validity of a money amount, date or time span; the numbers are the ones stored in files.
enum class ValueStatus : int32_t { Valid = 0, Invalid = 1, Null = 2 };

// Status of a result computed from two operands: null wins over invalid, invalid over valid.
constexpr ValueStatus CombineStatus(ValueStatus a, ValueStatus b) {
    if (a == ValueStatus::Null || b == ValueStatus::Null) {
        return ValueStatus::Null;
    }
    if (a == ValueStatus::Invalid || b == ValueStatus::Invalid) {
        return ValueStatus::Invalid;
    }
    return ValueStatus::Valid;
}

// Maps a status number read from a file; unknown numbers count as invalid.
constexpr ValueStatus StatusFromFile(int32_t raw) {
    switch (raw) {
    case 0:
        return ValueStatus::Valid;
    case 2:
        return ValueStatus::Null;
    default:
        return ValueStatus::Invalid;
    }
}
