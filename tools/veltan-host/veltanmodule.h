#pragma once
// libveltan.so loaded at run time with dlopen, with the functions of veltan.h.

#include <dlfcn.h>

#include <optional>
#include <string>

#include "veltan.h"

class VeltanModule {
  public:
    VeltanModule() = default;
    ~VeltanModule() { Unload(); }
    VeltanModule(const VeltanModule&) = delete;
    VeltanModule& operator=(const VeltanModule&) = delete;

    // Loads the library; on failure leaves it unloaded and returns the reason.
    std::optional<std::string> Load(const std::string& path) {
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_) return std::string(dlerror());
        std::optional<std::string> missing;
        Resolve(Version, "Version", missing);
        Resolve(ClearINFO, "ClearINFO", missing);
        Resolve(ChangeParameters, "ChangeParameters", missing);
        Resolve(Analizing, "Analizing", missing);
        Resolve(AddParameters, "AddParameters", missing);
        Resolve(ResultCount, "ResultCount", missing);
        Resolve(ResultItem, "ResultItem", missing);
        if (missing) Unload();
        return missing;
    }

    void Unload() {
        if (handle_) dlclose(handle_);
        handle_ = nullptr;
    }

    VeltanVersionFn Version = nullptr;
    VeltanClearINFOFn ClearINFO = nullptr;
    VeltanChangeParametersFn ChangeParameters = nullptr;
    VeltanAnalizingFn Analizing = nullptr;
    VeltanAddParametersFn AddParameters = nullptr;
    VeltanResultCountFn ResultCount = nullptr;
    VeltanResultItemFn ResultItem = nullptr;

  private:
    template <typename Function>
    void Resolve(Function& function, const char* name, std::optional<std::string>& missing) {
        function = reinterpret_cast<Function>(dlsym(handle_, name));
        if (!function && !missing) missing = "в библиотеке нет функции " + std::string(name);
    }

    void* handle_ = nullptr;
};
