#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

// Record files store numbers little-endian on every machine.

template <typename T> T LoadLittleEndian(const uint8_t* bytes) {
    static_assert(std::is_trivially_copyable_v<T>);
    uint8_t ordered[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i) {
        ordered[i] = bytes[std::endian::native == std::endian::little ? i : sizeof(T) - 1 - i];
    }
    T value;
    std::memcpy(&value, ordered, sizeof(T));
    return value;
}

template <typename T> void StoreLittleEndian(uint8_t* bytes, T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    uint8_t ordered[sizeof(T)];
    std::memcpy(ordered, &value, sizeof(T));
    for (size_t i = 0; i < sizeof(T); ++i) {
        bytes[std::endian::native == std::endian::little ? i : sizeof(T) - 1 - i] = ordered[i];
    }
}
