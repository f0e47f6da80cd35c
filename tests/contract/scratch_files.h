#pragma once
#include "contract/test_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace calvorin::test {

// A contract test over files in a scratch folder of its own, on either platform.
class ScratchFiles : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = p_->scratchFolder(); }
    void TearDown() override { p_->releaseHeld(); }
    platform::FileSystem& fs() { return p_->files(); }
    std::string at(const std::string& name) { return dir_ + "\\" + name; }
    void put(const std::string& name, const std::string& content) {
        platform::FileHandle f = platform::kNoFile;
        ASSERT_TRUE(fs().open(at(name), platform::OpenMode::Output, f).ok()) << name;
        ASSERT_TRUE(fs().write(f, content).ok());
        ASSERT_TRUE(fs().close(f).ok());
    }
    // The whole content of the file at `path`, "<cannot open>" when it cannot be read.
    std::string contentOf(const std::string& path) {
        platform::FileHandle f = platform::kNoFile;
        if (!fs().open(path, platform::OpenMode::Input, f).ok()) return "<cannot open>";
        std::string bytes;
        fs().read(f, 1 << 16, bytes);
        fs().close(f);
        return bytes;
    }

    std::unique_ptr<TestPlatform> p_ = makeTestPlatform();
    std::string dir_;
};

} // namespace calvorin::test
