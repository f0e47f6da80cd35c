#include "core/main_form_fixture.h"
#include "sysinfo/system_information.h"

using namespace calvorin;
using namespace calvorin::sysinfo::mdSubApI;
using platform::VersionRecord;

namespace {

constexpr std::uint32_t NT = platform::platform_id::NT;
constexpr std::uint32_t Win9x = platform::platform_id::Windows;

TEST(SystemInformationTables, ProductNamesOfTheOlderWindowsStayAsTheyWere) {
    EXPECT_EQ(productName({5, 1, 2600, NT}), "Microsoft Windows XP Build 2600");
    EXPECT_EQ(productName({5, 2, 3790, NT}), "Microsoft Windows 2000"); // Server 2003
    EXPECT_EQ(productName({4, 0, 1381, NT}), "Microsoft Windows NT");
    EXPECT_EQ(productName({4, 0, 950, Win9x}), "Microsoft Windows 95");
    EXPECT_EQ(productName({4, 10, 2222, Win9x}), "Microsoft Windows 98");
    EXPECT_EQ(productName({4, 90, 3000, Win9x}), "Microsoft Windows 98"); // ME
    EXPECT_EQ(productName({1, 0, 0, platform::platform_id::Win32s}), "Microsoft Win32s");
    EXPECT_EQ(productName({5, 1, 2600, 3}), "");
}

TEST(SystemInformationTables, CurrentWindowsAreNamedByVersionAndBuild) {
    EXPECT_EQ(productName({6, 0, 6002, NT}), "Microsoft Windows Vista");
    EXPECT_EQ(productName({6, 1, 7601, NT}), "Microsoft Windows 7");
    EXPECT_EQ(productName({6, 2, 9200, NT}), "Microsoft Windows 8");
    EXPECT_EQ(productName({6, 3, 9600, NT}), "Microsoft Windows 8.1");
    EXPECT_EQ(productName({10, 0, 19045, NT}), "Microsoft Windows 10");
    EXPECT_EQ(productName({10, 0, 21999, NT}), "Microsoft Windows 10");
    EXPECT_EQ(productName({10, 0, 22000, NT}), "Microsoft Windows 11");
    EXPECT_EQ(productName({12, 0, 30000, NT}), "Microsoft Windows");
}

TEST(SystemInformationTables, VersionTextPadsTheMinorAndDropsTheOldFamilysVersionHalf) {
    EXPECT_EQ(versionNumberText({5, 1, 2600, NT}), "5.01.2600");
    EXPECT_EQ(versionNumberText({4, 10, 0x040A08AE, Win9x}), "4.10.2222");
    EXPECT_EQ(versionNumberText({10, 0, 22631, NT}), "10.00.22631");
    // On NT the whole field is the build, however large.
    EXPECT_EQ(versionNumberText({10, 0, 0x10000, NT}), "10.00.65536");
}

TEST(SystemInformationTables, ProcessorNamesByArchitectureAndLevel) {
    EXPECT_EQ(processorName(0, 4), "Intel, 80486");
    EXPECT_EQ(processorName(0, 6), "Intel");
    EXPECT_EQ(processorName(1, 3), "MIPS");
    EXPECT_EQ(processorName(3, 9), ", PPC 604+"); // the model alone, comma first
    EXPECT_EQ(processorName(3, 2), "");
    EXPECT_EQ(processorName(9, 6), "x64");
    EXPECT_EQ(processorName(12, 8), "ARM64");
    EXPECT_EQ(processorName(5, 7), "ARM");
    EXPECT_EQ(processorName(6, 31), "Itanium");
    EXPECT_EQ(processorName(0xFFFF, 0), "Unknown");
    EXPECT_EQ(processorName(4, 0), "");
}

class SystemInformationPage : public test::MainFormTest {
  protected:
    SystemInformationPage() { sysinfo::plugSystemInformation(form, platform); }
    void showStartupPage() {
        form.optOption[0].setValue(true);
        form.optOption[2].setValue(true);
    }
};

TEST_F(SystemInformationPage, AnXPMachineWithASmallMemoryAndOneProcessor) {
    world.system.memoryStatus = {261616ull * 1024, 130000ull * 1024 + 512}; // a half: to even
    world.system.processorRecord = {0, 1, 5};
    world.system.versionRecord = {5, 1, 2600, NT};
    showStartupPage();
    EXPECT_EQ(form.Label25.caption(), " 261616 kByte");
    EXPECT_EQ(form.Label26.caption(), " 130000 kByte");
    EXPECT_EQ(form.Label22.caption(), " 1");
    EXPECT_EQ(form.Label21.caption(), "Intel, 80586");
    EXPECT_EQ(form.Label29.caption(), "Microsoft Windows XP Build 2600");
    EXPECT_EQ(form.Label30.caption(), "5.01.2600");
}

TEST_F(SystemInformationPage, MemoryOf2GiBAndMoreShowsItsTrueSize) {
    world.system.memoryStatus = {16ull << 30, (2ull << 30) + 1536};
    showStartupPage();
    EXPECT_EQ(form.Label25.caption(), " 16777216 kByte");
    EXPECT_EQ(form.Label26.caption(), " 2097154 kByte");
}

TEST_F(SystemInformationPage, EveryVisitReadsAfresh) {
    showStartupPage();
    EXPECT_EQ(form.Label26.caption(), " 3145728 kByte");
    EXPECT_EQ(form.Label29.caption(), "Microsoft Windows 10");
    world.system.memoryStatus.availablePhysical = 1ull << 30;
    world.system.versionRecord = {10, 0, 22631, NT};
    world.system.processorRecord.count = 16;
    showStartupPage();
    EXPECT_EQ(form.Label26.caption(), " 1048576 kByte");
    EXPECT_EQ(form.Label29.caption(), "Microsoft Windows 11");
    EXPECT_EQ(form.Label30.caption(), "10.00.22631");
    EXPECT_EQ(form.Label22.caption(), " 16");
}

TEST_F(SystemInformationPage,
       AValueTheSystemWithholdsShowsAsNothingAndTheVersionFailureIsReported) {
    world.internet.online = true;
    showStartupPage();
    ASSERT_EQ(form.Label29.caption(), "Microsoft Windows 10");
    world.failures.fail("SystemInfo.version", {5, "Access is denied."}, 2);
    world.failures.fail("SystemInfo.memory", {5, "Access is denied."});
    showStartupPage();
    EXPECT_EQ(form.Label25.caption(), "");
    EXPECT_EQ(form.Label26.caption(), "");
    EXPECT_EQ(form.Label29.caption(), "");
    EXPECT_EQ(form.Label30.caption(), "");
    EXPECT_EQ(form.Label22.caption(), " 4"); // the other readers are not held back
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text, "ModClean, FindOS, Access is denied.5");
}

} // namespace
