#pragma once
#include "core/main_form.h"

#include <functional>
#include <string>

namespace calvorin::core {

// Ends the main window once, however it is asked to end: a close (the user's, or the update
// program's WM_CLOSE) or the end of the Windows session. Every way runs the same shutdown
// sequence, and none of them cuts an erase short.
class MainWindowEnd {
  public:
    // `endProgram` ends the process; nothing after it runs.
    MainWindowEnd(frmMain& form, platform::Platform& platform, std::function<void()> endProgram);
    MainWindowEnd(const MainWindowEnd&) = delete;
    MainWindowEnd& operator=(const MainWindowEnd&) = delete;

    // A close. Ignored while the shutdown sequence already runs; during an erase run it waits
    // for the run to finish ("Done." shown) and then runs the shutdown sequence.
    void close();
    // The session is about to end (the query before it): never refused. When an erase will
    // run, Windows is told why the end must wait.
    bool sessionEnding();
    // The session ends (`ending` true) or was called off. Windows may end the process as soon
    // as this returns, so the whole shutdown sequence runs before it does, an erase that was
    // under way included.
    void sessionEnded(bool ending);

    // Tells Windows why ending the session must wait; an empty reason withdraws it.
    std::function<void(const std::string& reason)> blockShutdown;

    static constexpr const char* kErasingReason = "Erasing traces...";

  private:
    void runEnded();
    void unloadOnce();
    void finish();
    void announce(bool erasing);

    frmMain& form_;
    platform::Platform& platform_;
    std::function<void()> endProgram_;
    bool closePending_ = false; // a close waits for the run under way
    bool unloading_ = false;    // the shutdown sequence has started
    bool unloaded_ = false;     // and has run to its end
    bool finished_ = false;
    bool blocked_ = false;
};

} // namespace calvorin::core
