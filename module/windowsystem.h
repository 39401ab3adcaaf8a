#pragma once
// Where the progress window comes from: the host's Qt application, an application of
// the module's own, or nowhere.

#include <memory>

namespace veltan {

class ProgressWindow;

class WindowSystem {
  public:
    WindowSystem();
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The progress window for a run on the calling thread, made on first use; the
    // stand-in without a window where no window can be shown here.
    ProgressWindow& Window();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace veltan
