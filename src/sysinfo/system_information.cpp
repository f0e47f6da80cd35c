#include "sysinfo/system_information.h"

#include "core/error_report.h"
#include "core/numbers.h"

namespace calvorin::sysinfo {

namespace mdSubApI {

namespace {
constexpr std::uint16_t kIntel = 0, kMips = 1, kAlpha = 2, kPowerPc = 3, kArm = 5, kItanium = 6,
                        kX64 = 9, kArm64 = 12, kUnknown = 0xFFFF;

std::uint64_t kilobytes(std::uint64_t bytes) {
    return core::roundedQuotient(bytes, 1024);
}
} // namespace

std::string processorName(std::uint16_t architecture, std::uint16_t level) {
    switch (architecture) {
    case kIntel:
        switch (level) {
        case 3:
            return "Intel, 80386";
        case 4:
            return "Intel, 80486";
        case 5:
            return "Intel, 80586";
        default:
            return "Intel";
        }
    case kMips:
        return level == 4 ? "MIPS, R4000" : "MIPS";
    case kAlpha:
        return "Alpha";
    case kPowerPc:
        // The PowerPC names have always been the model alone, comma first.
        switch (level) {
        case 1:
            return ", PPC 601";
        case 3:
            return ", PPC 603";
        case 4:
            return ", PPC 604";
        case 6:
            return ", PPC 603+";
        case 9:
            return ", PPC 604+";
        case 20:
            return ", PPC 620";
        default:
            return "";
        }
    case kArm:
        return "ARM";
    case kItanium:
        return "Itanium";
    case kX64:
        return "x64";
    case kArm64:
        return "ARM64";
    case kUnknown:
        return "Unknown";
    default:
        return "";
    }
}

std::string productName(const platform::VersionRecord& v) {
    switch (v.platformId) {
    case platform::platform_id::Win32s:
        return "Microsoft Win32s";
    case platform::platform_id::Windows:
        // 4.10 is 98 and 4.90 is ME; the family never went past them.
        if (v.major < 5 && !(v.major == 4 && v.minor >= 1)) return "Microsoft Windows 95";
        return "Microsoft Windows 98";
    case platform::platform_id::NT:
        if (v.major < 5) return "Microsoft Windows NT";
        if (v.major == 5)
            return v.minor == 1 ? "Microsoft Windows XP Build " + std::to_string(v.build)
                                : "Microsoft Windows 2000";
        if (v.major == 6) {
            switch (v.minor) {
            case 0:
                return "Microsoft Windows Vista";
            case 1:
                return "Microsoft Windows 7";
            case 2:
                return "Microsoft Windows 8";
            case 3:
                return "Microsoft Windows 8.1";
            default:
                return "Microsoft Windows 10"; // 6.4 was the first builds of 10
            }
        }
        if (v.major == 10 && v.minor == 0)
            return v.build >= 22000 ? "Microsoft Windows 11" : "Microsoft Windows 10";
        return "Microsoft Windows"; // a version newer than any named here
    default:
        return "";
    }
}

std::string versionNumberText(const platform::VersionRecord& v) {
    std::string minor = std::to_string(v.minor);
    if (minor.size() == 1) minor.insert(0, "0");
    // Outside NT the high half of the build field repeats the version.
    const std::uint32_t build =
        v.platformId == platform::platform_id::NT ? v.build : v.build & 0xFFFF;
    return std::to_string(v.major) + "." + minor + "." + std::to_string(build);
}

std::string FindOS(platform::Platform& platform) {
    platform::VersionRecord version;
    platform::Status read = platform.system.version(version);
    if (!read.ok()) {
        core::MdErrorHand::ReportError(platform, "ModClean, FindOS, " + read.description, read);
        return {};
    }
    return productName(version);
}

bool ReadMemoryStatus(platform::Platform& platform, std::uint64_t& totalKilobytes,
                      std::uint64_t& availableKilobytes) {
    totalKilobytes = availableKilobytes = 0;
    platform::MemoryStatus memory;
    if (!platform.system.memory(memory).ok()) return false;
    totalKilobytes = kilobytes(memory.totalPhysical);
    availableKilobytes = kilobytes(memory.availablePhysical);
    return true;
}

bool ReadProcessorInfo(platform::Platform& platform, std::string& name, std::uint32_t& count) {
    name.clear();
    count = 0;
    platform::ProcessorRecord processor;
    if (!platform.system.processor(processor).ok()) return false;
    name = processorName(processor.architecture, processor.level);
    count = processor.count;
    return true;
}

bool ReadVersionNumbers(platform::Platform& platform, std::string& text) {
    text.clear();
    platform::VersionRecord version;
    if (!platform.system.version(version).ok()) return false;
    text = versionNumberText(version);
    return true;
}

} // namespace mdSubApI

void GetSystemInformation(core::frmMain& form, platform::Platform& platform) {
    using namespace mdSubApI;
    // A value the system would not give shows as nothing rather than as a false 0.
    std::uint64_t total = 0, available = 0;
    const bool memory = ReadMemoryStatus(platform, total, available);
    auto kByte = [&](std::uint64_t kb) {
        return memory ? core::strText(static_cast<std::int64_t>(kb)) + " kByte" : std::string();
    };
    form.Label25.setCaption(kByte(total));
    form.Label26.setCaption(kByte(available));

    form.Label29.setCaption(FindOS(platform));
    std::string version;
    ReadVersionNumbers(platform, version);
    form.Label30.setCaption(version);

    std::string processor;
    std::uint32_t count = 0;
    const bool processors = ReadProcessorInfo(platform, processor, count);
    form.Label21.setCaption(processor);
    form.Label22.setCaption(processors ? core::strText(count) : std::string());
}

void plugSystemInformation(core::frmMain& form, platform::Platform& platform) {
    form.slots.GetSystemInformation = [&form, &platform] { GetSystemInformation(form, platform); };
}

} // namespace calvorin::sysinfo
