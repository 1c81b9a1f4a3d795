// Everything the program knows about the adapter as a USB HID device, in one
// place: the simulated bus, the uhid emulator, discovery and the tests all
// take their facts from here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantor {

inline constexpr std::uint16_t kAdapterVendorId = 0x0B9A;
inline constexpr std::uint16_t kAdapterProductId = 0x016A;

// The collection that carries the settings report.
inline constexpr std::uint16_t kSettingsUsagePage = 0xFF00;
inline constexpr std::uint16_t kSettingsUsage = 1;

// The collection through which the gun's buttons arrive as a mouse.
inline constexpr std::uint16_t kMouseUsagePage = 0x01;  // Generic Desktop
inline constexpr std::uint16_t kMouseUsage = 0x02;      // Mouse

inline constexpr std::uint8_t kMouseReportId = 1;
inline constexpr std::uint8_t kSettingsReportId = 2;
inline constexpr std::size_t kSettingsReportSize = 42;  // report ID included

// At most this many HID collections become device-table entries.
inline constexpr std::size_t kMaxEntries = 8;

// The adapter's report descriptor: a mouse (report 1: five buttons, X, Y and
// wheel) and a vendor collection with feature report 2 of 41 data bytes.
inline constexpr std::array<std::uint8_t, 77> kAdapterReportDescriptor = {
    0x05, 0x01, 0x09, 0x02, 0xa1, 0x01, 0x85, 0x01, 0x09, 0x01, 0xa1, 0x00,
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05,
    0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x03, 0x81, 0x03, 0x05, 0x01,
    0x09, 0x30, 0x09, 0x31, 0x09, 0x38, 0x15, 0x81, 0x25, 0x7f, 0x75, 0x08,
    0x95, 0x03, 0x81, 0x06, 0xc0, 0xc0, 0x06, 0x00, 0xff, 0x09, 0x01, 0xa1,
    0x01, 0x85, 0x02, 0x09, 0x01, 0x15, 0x00, 0x26, 0xff, 0x00, 0x75, 0x08,
    0x95, 0x29, 0xb1, 0x02, 0xc0};

// Input report 1 as the descriptor lays it out: report ID, button bits 0..4,
// then signed X, Y and wheel.
inline constexpr std::size_t kMouseReportSize = 5;

}  // namespace vantor
