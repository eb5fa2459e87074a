#include "platform/linux/NvmlLibrary.h"

#include <array>
#include <dlfcn.h>

namespace trumbel {

namespace {

// The library's C interface as its ABI defines it; 0 is success.
using NvmlReturn = int;
using NvmlDevice = void*;
struct NvmlUtilization {
    unsigned int gpu;
    unsigned int memory;
};
struct NvmlMemory {
    unsigned long long total;
    unsigned long long free;
    unsigned long long used;
};

template <typename F> bool Bind(void* handle, const char* name, F& f) {
    f = reinterpret_cast<F>(::dlsym(handle, name));
    return f != nullptr;
}

} // namespace

struct NvmlLibrary::Api {
    NvmlReturn (*init)() = nullptr;
    NvmlReturn (*shutdown)() = nullptr;
    NvmlReturn (*count)(unsigned int*) = nullptr;
    NvmlReturn (*handleByIndex)(unsigned int, NvmlDevice*) = nullptr;
    NvmlReturn (*name)(NvmlDevice, char*, unsigned int) = nullptr;
    NvmlReturn (*utilization)(NvmlDevice, NvmlUtilization*) = nullptr;
    NvmlReturn (*memory)(NvmlDevice, NvmlMemory*) = nullptr;
};

NvmlLibrary::~NvmlLibrary() {
    if (api_) {
        api_->shutdown();
        delete api_;
    }
    if (handle_) {
        ::dlclose(handle_);
    }
}

bool NvmlLibrary::Load(const char* file) {
    if (handle_) {
        return true;
    }
    void* handle = ::dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        return false;
    }
    auto* api = new Api;
    const bool bound = Bind(handle, "nvmlInit_v2", api->init) &&
                       Bind(handle, "nvmlShutdown", api->shutdown) &&
                       Bind(handle, "nvmlDeviceGetCount_v2", api->count) &&
                       Bind(handle, "nvmlDeviceGetHandleByIndex_v2", api->handleByIndex) &&
                       Bind(handle, "nvmlDeviceGetName", api->name) &&
                       Bind(handle, "nvmlDeviceGetUtilizationRates", api->utilization) &&
                       Bind(handle, "nvmlDeviceGetMemoryInfo", api->memory);
    if (!bound || api->init() != 0) {
        delete api;
        ::dlclose(handle);
        return false;
    }
    handle_ = handle;
    api_ = api;
    return true;
}

unsigned NvmlLibrary::DeviceCount() {
    unsigned int n = 0;
    return api_ && api_->count(&n) == 0 ? n : 0;
}

bool NvmlLibrary::Describe(unsigned index, GpuFields& out) {
    NvmlDevice device = nullptr;
    std::array<char, 96> name{};
    if (!api_ || api_->handleByIndex(index, &device) != 0 ||
        api_->name(device, name.data(), name.size()) != 0) {
        return false;
    }
    out.model = name.data();
    return true;
}

bool NvmlLibrary::Read(unsigned index, GpuFields& out) {
    NvmlDevice device = nullptr;
    if (!api_ || api_->handleByIndex(index, &device) != 0) {
        return false;
    }
    NvmlUtilization load{};
    NvmlMemory memory{};
    out.busyPercent.reset();
    out.vramUsed.reset();
    out.vramTotal.reset();
    if (api_->utilization(device, &load) == 0) {
        out.busyPercent = load.gpu;
    }
    if (api_->memory(device, &memory) == 0) {
        out.vramUsed = static_cast<std::int64_t>(memory.used);
        out.vramTotal = static_cast<std::int64_t>(memory.total);
    }
    return true;
}

} // namespace trumbel
