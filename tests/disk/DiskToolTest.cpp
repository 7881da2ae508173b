#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "slave/BitwiseCrc.h"
#include "slave/SlaveImage.h"

namespace {
std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    // Test cases run side by side in one prefix; each process keeps to files of its own.
    return std::string(folder) + "zr7disk-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

void WriteFile(const std::string& path, const std::vector<unsigned char>& data) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    if (!data.empty())
        std::fwrite(data.data(), 1, data.size(), file);
    std::fclose(file);
}

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::vector<unsigned char> data;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(file)) != EOF)
            data.push_back(static_cast<unsigned char>(c));
        std::fclose(file);
    }
    return data;
}

std::vector<unsigned char> Pattern(size_t size) {
    std::vector<unsigned char> data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<unsigned char>(i * 13 + (i >> 9));
    return data;
}

struct ToolRun {
    DWORD exitCode;
    std::string output;
};

// Runs ZR7Disk.exe (beside this test program) as a real child with its output in a file.
ToolRun RunTool(const std::string& arguments) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string tool = self;
    tool = tool.substr(0, tool.rfind('\\')) + "\\ZR7Disk.exe";
    const std::string outputPath = TempPath("output.txt");
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + tool + "\" " + arguments;
    ToolRun run = {~0u, ""};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(output);
    const std::vector<unsigned char> text = ReadFile(outputPath);
    run.output.assign(text.begin(), text.end());
    return run;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

TEST(DiskTool, WrapMakesAnImageThatCheckAndTheProgramsLoaderAccept) {
    const std::string raw = TempPath("raw.bin"), slave = TempPath("SLAVE.BIN");
    std::vector<unsigned char> image = Pattern(ImageSize);
    image[0] = image[1] = 0xE3; // a raw image may begin like a header
    WriteFile(raw, image);
    WriteFile(slave, std::vector<unsigned char>(500, 0x55)); // replaced as a whole

    ToolRun wrap = RunTool("wrap " + Quoted(raw) + " " + Quoted(slave));
    EXPECT_EQ(wrap.exitCode, 0u) << wrap.output;
    EXPECT_FALSE(Exists(slave + ".tmp"));
    const std::vector<unsigned char> file = ReadFile(slave);
    ASSERT_EQ(file.size(), static_cast<size_t>(HeaderedImageSize));
    const uint32_t crc = BitwiseCrc(file, ImageHeaderSize);
    EXPECT_EQ(BitwiseCrc(image, 0), crc);
    std::vector<unsigned char> header(ImageHeaderSize, 0);
    header[0] = header[1] = 0xE3;
    for (int i = 0; i < 4; ++i)
        header[4 + i] = static_cast<unsigned char>(crc >> (8 * i));
    EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), file.begin() + ImageHeaderSize));

    std::vector<unsigned char> buffer(ImageBufferSize);
    unsigned char* loaded = LoadSlaveImage(buffer.data(), ImageBufferSize, slave.c_str());
    EXPECT_EQ(loaded, buffer.data() + ImageHeaderSize);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), loaded));

    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(crc));
    ToolRun check = RunTool("check " + Quoted(slave));
    EXPECT_EQ(check.exitCode, 0u) << check.output;
    EXPECT_NE(check.output.find(std::string("CRC found ") + hex + ", computed " + hex),
              std::string::npos)
        << check.output;
    EXPECT_NE(check.output.find("accepted"), std::string::npos) << check.output;

    ToolRun rawCheck = RunTool("check " + Quoted(raw));
    EXPECT_EQ(rawCheck.exitCode, 0u) << rawCheck.output;
    EXPECT_NE(rawCheck.output.find("raw image"), std::string::npos) << rawCheck.output;
    DeleteFileA(raw.c_str());
    DeleteFileA(slave.c_str());
}

TEST(DiskTool, WrapRefusesOtherSizesAndLeavesTheOutputAlone) {
    const std::string raw = TempPath("odd.bin"), slave = TempPath("KEEP.BIN");
    const std::vector<unsigned char> old = {'o', 'l', 'd'};
    for (size_t size :
         {size_t(0), size_t(ImageSize - 1), size_t(ImageSize + 1), size_t(HeaderedImageSize)}) {
        WriteFile(raw, Pattern(size));
        WriteFile(slave, old);
        ToolRun wrap = RunTool("wrap " + Quoted(raw) + " " + Quoted(slave));
        EXPECT_EQ(wrap.exitCode, 1u) << size;
        EXPECT_NE(wrap.output.find("131072"), std::string::npos) << wrap.output;
        EXPECT_EQ(ReadFile(slave), old) << size;
        EXPECT_FALSE(Exists(slave + ".tmp")) << size;
    }
    DeleteFileA(raw.c_str());
    EXPECT_EQ(RunTool("wrap " + Quoted(raw) + " " + Quoted(slave)).exitCode, 1u);
    EXPECT_EQ(ReadFile(slave), old);
    DeleteFileA(slave.c_str());
}

TEST(DiskTool, CheckShowsTheLineTheProgramWouldLog) {
    const std::string path = TempPath("bad.bin");
    std::vector<unsigned char> good = Pattern(HeaderedImageSize);
    good[0] = good[1] = 0xE3;
    const uint32_t crc = BitwiseCrc(good, ImageHeaderSize);
    for (int i = 0; i < 4; ++i)
        good[4 + i] = static_cast<unsigned char>(crc >> (8 * i));
    std::vector<unsigned char> corrupt = good, badMagic = good;
    corrupt[100000] ^= 1;
    badMagic[1] = 0xE4;
    struct Case {
        std::vector<unsigned char> data;
        const char* line;
    } cases[] = {
        {corrupt, "\"1. The image is corrupt.  The CRC test failed.\""},
        {badMagic, "\"1. The image has an invalid header.\""},
        {Pattern(ImageSize + 1), "\"1. Image is the wrong size.\""},
        {Pattern(ImageBufferSize + 1), "\"1. The image file is too large to be valid.\""},
    };
    for (const Case& c : cases) {
        WriteFile(path, c.data);
        ToolRun check = RunTool("check " + Quoted(path));
        EXPECT_EQ(check.exitCode, 1u) << c.line;
        EXPECT_NE(check.output.find(c.line), std::string::npos) << check.output;
    }
    DeleteFileA(path.c_str());
    ToolRun missing = RunTool("check " + Quoted(path));
    EXPECT_EQ(missing.exitCode, 1u);
    EXPECT_NE(missing.output.find("\"1. Could not open the image file.\""), std::string::npos)
        << missing.output;

    for (const char* usage : {"", "wrap one", "check", "plan", "verify x", "check a b"})
        EXPECT_EQ(RunTool(usage).exitCode, 2u) << usage;
    EXPECT_EQ(RunTool("plan " + Quoted(TempPath("no-such-folder"))).exitCode, 2u);
}
