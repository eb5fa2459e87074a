#pragma once

#include "platform/KernelFields.h"

#include <string>

namespace trumbel {

// NVIDIA's management library, loaded when the pass first needs it: the program neither links
// it nor needs its header, and runs the same where it is missing.
class NvmlLibrary {
public:
    NvmlLibrary() = default;
    ~NvmlLibrary();
    NvmlLibrary(const NvmlLibrary&) = delete;
    NvmlLibrary& operator=(const NvmlLibrary&) = delete;

    // False when the library is missing or finds no driver.
    bool Load(const char* file = "libnvidia-ml.so.1");
    bool Loaded() const { return handle_ != nullptr; }
    unsigned DeviceCount();
    // The device's name into out.model; false when the device cannot be asked.
    bool Describe(unsigned index, GpuFields& out);
    // Load and memory into out; false when the device no longer answers.
    bool Read(unsigned index, GpuFields& out);

private:
    struct Api;
    void* handle_ = nullptr;
    Api* api_ = nullptr;
};

} // namespace trumbel
