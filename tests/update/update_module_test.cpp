#include "update/update_fixture.h"

namespace calvorin::test {

using update::CheckNewVersion;
using update::DownloadNewVersion;
using update::GetRemoteSize;
using update::InstallNewVersion;

TEST_F(UpdateTest, TheSizeComesFromAnAnswerWithStatus200Only) {
    const std::string url = server + "/cvn.txt";
    // "404" inside a length or a date is no missing file.
    world.internet.serve(
        url,
        "HTTP/1.1 200 OK\r\nDate: Fri, 04 Apr 2026 10:40:04 GMT\r\nContent-Length: 14040\r\n\r\n" +
            std::string(14040, '7'));
    EXPECT_EQ(GetRemoteSize(session, url, false), 14040);
    world.internet.serve(url, answer("<html>Not here</html>", "404 Not Found"));
    EXPECT_EQ(GetRemoteSize(session, url, false), 0);
    world.internet.serve(url, answer("moved", "302 Found"));
    EXPECT_EQ(GetRemoteSize(session, url, true), 0);
    // The label read without regard to case, blanks around the number.
    world.internet.serve(url, "HTTP/1.1 200 OK\r\ncontent-length:   12  \r\n\r\n123456789012");
    EXPECT_EQ(GetRemoteSize(session, url, true), 12);
    // No announced size: the complete body's own length.
    world.internet.serve(url, "HTTP/1.0 200 OK\r\nServer: small\r\n\r\n8\r\n");
    EXPECT_EQ(GetRemoteSize(session, url, false), 3);
    // A connection that drops early, or none at all, gives nothing.
    world.internet.serve(url, "HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\nonly this");
    EXPECT_EQ(GetRemoteSize(session, url, true), 0);
    world.internet.stopServing(url);
    EXPECT_EQ(GetRemoteSize(session, url, true), 0);
    // Each query cancelled what ran before and waited on the event loop, never spinning.
    EXPECT_EQ(world.internet.cancels, 7);
    EXPECT_EQ(world.internet.transfers.back().type, platform::TransferType::Bytes);
    EXPECT_LT(world.events.processCount(), 100u);
}

TEST_F(UpdateTest, VersionsCompareByTheirRoundedLeadingNumbers) {
    struct Case {
        std::string server, installed;
        bool offered;
        std::optional<std::string> verAfter; // "ver" is written only when the server is lower
    };
    const Case cases[] = {
        {"1", "", true, std::nullopt},       // "ver" was missing: version 0
        {"7\r\n", "7", false, std::nullopt}, // equal
        {"6", "7", false, "6"},              // lower on the server: remembered
        {"2.5", "2", false, std::nullopt},   // 2.5 reads 2
        {"3.5", "3", true, std::nullopt},    // 3.5 reads 4
        {" 1 2", "11", true, std::nullopt},  // blanks inside the number are skipped
        {"40000", "3", false, std::nullopt}, // beyond 16 bits: no upgrade
        {"abc", "3", false, "0"},            // a text without a number reads 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("server " + c.server + ", installed " + c.installed);
        world.registry.deleteTree(platform::kLocalMachine, "Software\\Microsoft\\CalvorinUpdate");
        session.newVersion.clear();
        publish(c.server);
        EXPECT_EQ(CheckNewVersion(session, c.installed), c.offered);
        EXPECT_EQ(updateValue("ver"), c.verAfter);
        EXPECT_EQ(session.newVersion.empty(), !c.offered && !c.verAfter);
    }
    publish("9");
    EXPECT_TRUE(CheckNewVersion(session, "8"));
    EXPECT_EQ(session.newVersion, "9");
}

TEST_F(UpdateTest, NoVersionIsReadFromAnErrorPageOrWithoutTheNetwork) {
    setUpdateValue("ver", "7");
    world.internet.serve(server + "/cvn.txt", answer("<html>1</html>", "404 Not Found"));
    EXPECT_FALSE(CheckNewVersion(session, "7"));
    world.internet.serve(server + "/cvn.txt", answer("", "200 OK"));
    EXPECT_FALSE(CheckNewVersion(session, "7"));
    publish("3");
    world.internet.online = false;
    EXPECT_FALSE(CheckNewVersion(session, "7"));
    EXPECT_EQ(updateValue("ver"), "7");
}

TEST_F(UpdateTest, ADownloadOfTheAnnouncedLengthBecomesCvnExeInOneStep) {
    const std::string program = windowsProgram(5000);
    publishProgram(answer(program));
    world.files.put(at("cvn.exe"), "an older download");
    ASSERT_TRUE(DownloadNewVersion(session));
    EXPECT_EQ(world.files.contents(at("cvn.exe")), program);
    EXPECT_FALSE(world.files.exists(at("cvn.exe.download")));
    EXPECT_EQ(world.files.openFiles(), 0u);
    EXPECT_EQ(world.internet.transfers.back().type, platform::TransferType::Bytes);
}

TEST_F(UpdateTest, WhatIsNoWholeProgramIsRefusedAndNothingIsWritten) {
    const std::string program = windowsProgram(5000);
    const std::string html =
        "<html><body>Please log in to the hotel network</body></html>" + std::string(4940, ' ');
    const std::pair<std::string, std::string> refused[] = {
        {"HTML page of the right length", answer(html)},
        {"truncated", "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + program.substr(0, 3000)},
        {"404 status", answer(program, "404 Not Found")},
        {"highest index 999", answer(windowsProgram(1000))},
        {"MZ without PE", answer("MZ" + std::string(4998, '\0'))},
        {"sections past the end", answer(windowsProgram(5000).substr(0, 4990))},
    };
    for (const auto& [what, response] : refused) {
        SCOPED_TRACE(what);
        publishProgram(response);
        EXPECT_FALSE(DownloadNewVersion(session));
        EXPECT_TRUE(session.writeFailure.ok());
        EXPECT_FALSE(world.files.exists(at("cvn.exe")));
        EXPECT_FALSE(world.files.exists(at("cvn.exe.download")));
    }
    // No announced size and a complete body: its own length is the size.
    publishProgram("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + windowsProgram(2001));
    ASSERT_TRUE(DownloadNewVersion(session));
    EXPECT_EQ(world.files.contents(at("cvn.exe")).value_or("").size(), 2001u);
}

TEST_F(UpdateTest, AFolderThatRefusesTheFileIsAWriteFailureNotARetry) {
    publishProgram(answer(windowsProgram(4000)));
    world.failures.fail("FileSystem.open", platform::Status::failure(5, "Access is denied."));
    EXPECT_FALSE(DownloadNewVersion(session));
    EXPECT_EQ(session.writeFailure.number, 5);

    // A "cvn.exe" held open by a running program keeps its old bytes; the download goes.
    world.files.put(at("cvn.exe"), "running");
    world.files.setInUse(at("cvn.exe"));
    EXPECT_FALSE(DownloadNewVersion(session));
    EXPECT_EQ(world.files.contents(at("cvn.exe")), "running");
    EXPECT_FALSE(world.files.exists(at("cvn.exe.download")));
}

class InstallTest : public UpdateTest {
  protected:
    void SetUp() override {
        UpdateTest::SetUp();
        session.newVersion = "8";
        session.mainWindowTitle = "Calvorin 1.0";
        setUpdateValue("ver", "7");
        world.events.setNow({{2026, 12, 7}, 9, 5, 7});
    }
};

TEST_F(InstallTest, ADownloadHandsOverClosesTheMainWindowStartsCvnExeAndEnds) {
    const auto mainWindow = world.desktop.addWindow("#32770", "Calvorin 1.0");
    const auto other = world.desktop.addWindow("Notepad", "");
    publishProgram(answer(windowsProgram(3000)));
    EXPECT_TRUE(InstallNewVersion(session));
    EXPECT_EQ(updateValue("App"), "12/7/2026 9:05:07 AM");
    EXPECT_EQ(updateValue("ver"), "8");
    EXPECT_EQ(updateValue("Up"), "b");
    EXPECT_EQ(updateValue("donreq"), "z");
    EXPECT_TRUE(world.desktop.window(mainWindow)->closeRequested);
    EXPECT_FALSE(world.desktop.window(other)->closeRequested);
    EXPECT_EQ(world.process.started, (std::vector<platform::emulated::Process::Started>{
                                         {at("cvn.exe"), platform::show::Minimized}}));
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(reported, "");
}

TEST_F(InstallTest, WithoutTheMainWindowOrItsTitleNothingIsClosedAndCvnExeStillStarts) {
    const auto untitled = world.desktop.addWindow("Notepad", "");
    publishProgram(answer(windowsProgram(3000)));
    session.mainWindowTitle = "";
    EXPECT_TRUE(InstallNewVersion(session));
    EXPECT_FALSE(world.desktop.window(untitled)->closeRequested);
    session.mainWindowTitle = "Calvorin 1.0"; // not running
    EXPECT_TRUE(InstallNewVersion(session));
    EXPECT_EQ(world.process.started.size(), 2u);
}

TEST_F(InstallTest, SixFailedDownloadsLeaveEverythingAsItWas) {
    const auto mainWindow = world.desktop.addWindow("#32770", "Calvorin 1.0");
    publishProgram(answer("<html>error</html>" + std::string(2000, ' ')));
    EXPECT_FALSE(InstallNewVersion(session));
    EXPECT_EQ(transfersOf("/cvnupdate.exe"), 12u); // a size query and a fetch per attempt
    EXPECT_EQ(updateValue("ver"), "7");
    EXPECT_EQ(updateValue("Up"), std::nullopt);
    EXPECT_FALSE(world.desktop.window(mainWindow)->closeRequested);
    EXPECT_TRUE(world.process.started.empty());
    EXPECT_EQ(ended, 0);
}

TEST_F(InstallTest, AHandOffThatCannotBeWrittenIsReportedAndNothingIsClosedOrStarted) {
    const auto mainWindow = world.desktop.addWindow("#32770", "Calvorin 1.0");
    publishProgram(answer(windowsProgram(3000)));
    setUpdateValue("Up", "a");
    world.registry.denyWrites("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\CalvorinUpdate");
    EXPECT_FALSE(InstallNewVersion(session));
    EXPECT_NE(reported.find("registry"), std::string::npos) << reported;
    EXPECT_EQ(updateValue("ver"), "7");
    EXPECT_EQ(updateValue("Up"), "a");
    EXPECT_FALSE(world.files.exists(at("cvn.exe")));
    EXPECT_FALSE(world.desktop.window(mainWindow)->closeRequested);
    EXPECT_TRUE(world.process.started.empty());
    EXPECT_EQ(ended, 0);

    // A program folder the user may not write is reported after the first attempt.
    reported.clear();
    world.failures.fail("FileSystem.open", platform::Status::failure(5, "Access is denied."));
    EXPECT_FALSE(InstallNewVersion(session));
    EXPECT_NE(reported.find("Access is denied."), std::string::npos) << reported;
    EXPECT_EQ(transfersOf("/cvnupdate.exe"), 4u);
}

} // namespace calvorin::test
