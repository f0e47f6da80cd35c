#include "core/main_form_fixture.h"
#include "shredder/mdshread.h"
#include "shredder/shredder_page.h"

#include <filesystem>

using namespace calvorin;
using platform::Status;

namespace {

class ShredderPageTest : public test::MainFormTest {
  protected:
    shredder::ShredderPage page{form, platform};

    void choose(std::vector<std::string> paths) {
        world.dialogs.choices.push_back({std::move(paths)});
    }
    void add(std::vector<std::string> paths) {
        choose(std::move(paths));
        form.cmdCustomAdd.click();
    }
    std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (int i = 0; i < form.lstFiles.listCount(); ++i)
            out.push_back(form.lstFiles.list(i));
        return out;
    }
    std::string lastMessage() {
        return world.dialogs.shown.empty() ? "" : world.dialogs.shown.back().text;
    }
};

TEST_F(ShredderPageTest, AddQueuesWhatTheDialogGivesWithOneBackslashBetweenFolderAndName) {
    add({"C:\\Projects\\Plans\\budget.xls"});
    add({"C:\\boot.ini"});
    add({"C:\\Mail\\a.eml", "C:\\Mail\\b.eml", "C:\\Mail\\c.eml"});
    add({"C:\\x.txt", "C:\\y.txt"});
    const std::vector<std::string> expected{"C:\\Projects\\Plans\\budget.xls",
                                            "C:\\boot.ini",
                                            "C:\\Mail\\a.eml",
                                            "C:\\Mail\\b.eml",
                                            "C:\\Mail\\c.eml",
                                            "C:\\x.txt",
                                            "C:\\y.txt"};
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(page.queue(), expected);
    EXPECT_EQ(form.lFC.caption(), "There are 7 files ready for sheredding!");
    EXPECT_EQ(form.lStat.caption(), "Ready...");

    const platform::OpenFileRequest& asked = world.dialogs.fileDialogs.back();
    EXPECT_EQ(asked.filter, "All Files|*.*");
    EXPECT_EQ(asked.maxFileChars, 65536u);
    const unsigned needed =
        platform::OfnExplorer | platform::OfnAllowMultiSelect | platform::OfnNoDereferenceLinks;
    EXPECT_EQ(asked.flags & needed, needed);
}

TEST_F(ShredderPageTest, ACancelQueuesNothingAndRewritesTheCount) {
    form.cmdCustomAdd.click(); // nobody chooses: cancelled
    EXPECT_EQ(form.lstFiles.listCount(), 0);
    EXPECT_EQ(form.lFC.caption(), "There are 0 files ready for sheredding!");
    EXPECT_EQ(form.lStat.caption(), "");
    add({"C:\\a.txt"});
    form.cmdCustomAdd.click();
    EXPECT_EQ(form.lFC.caption(), "There are 1 files ready for sheredding!");
    EXPECT_EQ(form.lStat.caption(), "Ready...");
}

TEST_F(ShredderPageTest, ASelectionTooLargeForTheBufferIsRefusedWithAMessage) {
    std::vector<std::string> many;
    for (int i = 0; i < 700; ++i)
        many.push_back("C:\\Folder\\" + std::string(90, 'n') + std::to_string(i));
    add(many);
    EXPECT_EQ(form.lstFiles.listCount(), 0);
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
    EXPECT_NE(lastMessage().find("Select fewer files"), std::string::npos);

    many.resize(500); // about 47,000 characters: beyond the old 2,048, within the new room
    add(many);
    EXPECT_EQ(form.lstFiles.listCount(), 500);
}

TEST_F(ShredderPageTest, ShreddingDestroysEveryQueuedFileAndEmptiesThePage) {
    world.files.put("C:\\Work\\a.doc", "alpha");
    world.files.put("C:\\Work\\b.doc", "beta", platform::attr::ReadOnly | platform::attr::Hidden);
    world.files.put("C:\\c.doc", "gamma", platform::attr::System);
    add({"C:\\Work\\a.doc", "C:\\Work\\b.doc"});
    add({"C:\\c.doc"});
    add({"C:\\Work\\a.doc"}); // queued twice: the second finds it gone, and that is no failure
    EXPECT_EQ(form.lFC.caption(), "There are 4 files ready for sheredding!");

    form.cmdShread.click();
    for (const char* path : {"C:\\Work\\a.doc", "C:\\Work\\b.doc", "C:\\c.doc"})
        EXPECT_FALSE(world.files.exists(path)) << path;
    std::vector<platform::DirEntry> left;
    EXPECT_FALSE(
        world.files.list("C:\\Work\\*", platform::attr::Hidden | platform::attr::System, left)
            .ok());
    EXPECT_TRUE(world.dialogs.shown.empty()) << lastMessage();
    EXPECT_TRUE(page.queue().empty());
    EXPECT_EQ(form.lstFiles.listCount(), 0);
    EXPECT_EQ(form.lFC.caption(), "");
    EXPECT_EQ(form.lStat.caption(), "");
    EXPECT_FALSE(form.pb1.visible());
    EXPECT_EQ(form.pb1.max(), 4);
    EXPECT_EQ(form.pb1.value(), 4);
    EXPECT_EQ(world.dialogs.busySpells, 1);
    EXPECT_FALSE(world.dialogs.busy);
}

TEST_F(ShredderPageTest, AnEmptyQueueOrABadLevelTouchesNothing) {
    form.cmdShread.click();
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text, "Error: Enter a file for shredding!");
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
    EXPECT_EQ(world.dialogs.shown[0].style, platform::MbOk | platform::MbIconError);
    EXPECT_FALSE(world.dialogs.busy);
    EXPECT_FALSE(form.pb1.visible());

    world.files.put("C:\\keep.txt", "keep");
    add({"C:\\keep.txt"});
    for (const char* level : {"abc", "", "0", "400"}) {
        form.txtLevel.setText(level);
        form.cmdShread.click();
        EXPECT_EQ(world.dialogs.shown.back().caption, "Calvorin");
        EXPECT_NE(world.dialogs.shown.back().text.find("security level"), std::string::npos)
            << level;
        EXPECT_EQ(world.files.contents("C:\\keep.txt"), "keep") << level;
        EXPECT_EQ(page.queue().size(), 1u) << "the queue waits for a good level";
        EXPECT_FALSE(world.dialogs.busy);
    }
    form.txtLevel.setText("0.01");
    form.cmdShread.click();
    EXPECT_FALSE(world.files.exists("C:\\keep.txt"));
    EXPECT_EQ(form.UpDown2.min(), 1);
    EXPECT_EQ(form.UpDown2.max(), 327);
}

TEST_F(ShredderPageTest, FilesNotShreddedAreNamedInOneMessageAfterTheRun) {
    namespace fs = std::filesystem;
    world.files.put("C:\\Q\\locked.txt", "x");
    world.files.setInUse("C:\\Q\\locked.txt");
    world.files.put("C:\\Q\\unflushed.txt", "y");
    world.files.put("C:\\Q\\fine.txt", "z");
    world.files.put("C:\\Outside\\target.txt", "precious", platform::attr::ReadOnly);
    fs::create_symlink(world.files.hostPath("C:\\Outside\\target.txt"),
                       world.files.hostPath("C:\\Q") / "link.txt");
    add({"C:\\Q\\locked.txt", "C:\\Q\\unflushed.txt", "C:\\Q\\fine.txt", "C:\\Q\\link.txt",
         "C:\\Q\\gone.txt"});
    world.failures.fail("FileSystem.flush", Status::failure(5, "Access is denied."));

    form.cmdShread.click();
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    const std::string text = lastMessage();
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
    const auto unwrittenPart = text.find("deleted without being overwritten");
    ASSERT_NE(unwrittenPart, std::string::npos) << text;
    for (const char* notShredded : {"C:\\Q\\locked.txt", "C:\\Q\\link.txt", "C:\\Q\\gone.txt"})
        EXPECT_LT(text.find(notShredded), unwrittenPart) << notShredded << "\n" << text;
    EXPECT_GT(text.find("C:\\Q\\unflushed.txt"), unwrittenPart) << text;
    EXPECT_EQ(text.find("fine.txt"), std::string::npos) << text;

    EXPECT_EQ(world.files.contents("C:\\Q\\locked.txt"), "x");
    EXPECT_EQ(world.files.contents("C:\\Outside\\target.txt"), "precious");
    std::uint32_t a = 0;
    world.files.attributes("C:\\Outside\\target.txt", a);
    EXPECT_TRUE(a & platform::attr::ReadOnly) << "the link's target kept its attributes";
    EXPECT_TRUE(world.files.exists("C:\\Q\\link.txt"));
    EXPECT_FALSE(world.files.exists("C:\\Q\\unflushed.txt"));
    EXPECT_TRUE(page.queue().empty()) << "the queue empties all the same";
}

TEST_F(ShredderPageTest, TheBarRunsToTheCountBeyondAHundredAndClearAllEmptiesTheQueue) {
    std::vector<std::string> paths;
    for (int i = 0; i < 150; ++i) {
        paths.push_back("C:\\Many\\f" + std::to_string(i) + ".tmp");
        world.files.put(paths.back(), "t");
    }
    add(paths);
    form.txtLevel.setText("0.01");
    form.cmdShread.click();
    EXPECT_EQ(form.pb1.max(), 150);
    EXPECT_EQ(form.pb1.value(), 150);
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_FALSE(world.files.exists("C:\\Many\\f149.tmp"));

    add({"C:\\one.txt", "C:\\two.txt", "C:\\three.txt"});
    form.cmdCustomDeleteAll.click();
    EXPECT_TRUE(page.queue().empty());
    EXPECT_EQ(form.lstFiles.listCount(), 0);
    EXPECT_EQ(form.lStat.caption(), "");
    EXPECT_EQ(form.lFC.caption(), "");
    EXPECT_FALSE(form.pb1.visible());
    EXPECT_EQ(form.pb1.value(), 3);
}

} // namespace
