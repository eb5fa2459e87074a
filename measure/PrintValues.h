#pragma once

#include "measure/SystemInfo.h"

#include <array>
#include <cstdint>
#include <string>

namespace trumbel {

// Every measured value as tab-separated lines: one "param" line per ParamID 0..5 and device
// (max, free, used, total), one "net" line per interface, one "drive" line per drive.
// After them, where the measurement reads sensors, the same "param" lines for the sensor kinds
// (ParamID 7 on) and one "sensor" line per device: ParamID, device, status (5 present, 2
// absent), charging (1 or 0) and the caption.
std::string FormatValues(SystemInfo& info);
void FormatSensorValues(const SensorMeasure& sensors, std::string& out);

// The lines one by one, for every machine whose values are printed.
void AppendParamLine(std::string& out, int paramId, int device,
                     const std::array<float, 4>& maxFreeUsedTotal);
void AppendNetLine(std::string& out, int index, std::int32_t type, std::int32_t status,
                   const std::string& caption);
void AppendDriveLine(std::string& out, int id, std::int32_t type, const std::string& mountPoint,
                     float total, float available, float free);
void AppendSensorLine(std::string& out, int paramId, int device, bool present, bool charging,
                      const std::string& caption);

// A float as a plain decimal, as short as it can be while reading back the same value.
std::string PlainDecimal(float value);

} // namespace trumbel
