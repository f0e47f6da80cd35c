#pragma once
#include "core/main_form.h"
#include "platform/emulated/world.h"

#include <gtest/gtest.h>

namespace calvorin::test {

// The main window on an emulated Windows whose clock reads 6 December 2026.
class MainFormTest : public ::testing::Test {
  protected:
    platform::emulated::World world;
    platform::Platform platform = world.platform();
    core::frmMain form{platform};

    std::string stamp() { return world.settings.get("Calvorin", "MViewer", "lastClean", "<none>"); }
};

} // namespace calvorin::test
