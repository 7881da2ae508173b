#include <windows.h>

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
    std::fwrite(data.data(), 1, data.size(), file);
    std::fclose(file);
}

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::vector<unsigned char> data(HeaderedImageSize + 1);
    FILE* file = std::fopen(path.c_str(), "rb");
    data.resize(file ? std::fread(data.data(), 1, data.size(), file) : 0);
    if (file)
        std::fclose(file);
    return data;
}

// Runs ZR7Disk.exe (beside this test program) as a real child; its output and exit code.
std::pair<DWORD, std::string> RunTool(const std::string& arguments) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = std::string(self);
    line = "\"" + line.substr(0, line.rfind('\\')) + "\\ZR7Disk.exe\" " + arguments;
    const std::string outputPath = TempPath("output.txt");
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    DWORD exitCode = ~0u;
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(output);
    const std::vector<unsigned char> text = ReadFile(outputPath);
    return {exitCode, std::string(text.begin(), text.end())};
}
} // namespace

// Wrap writes the header with the CRC-32 of the image, and only a whole file replaces the output.
TEST(DiskTool, WrapAndCheck) {
    const std::string raw = TempPath("raw.bin"), slave = TempPath("SLAVE.BIN");
    const std::vector<unsigned char> old = {'o', 'l', 'd'};
    for (size_t size : {size_t(ImageSize - 1), size_t(ImageSize + 1), size_t(HeaderedImageSize)}) {
        WriteFile(raw, std::vector<unsigned char>(size, 0x55));
        WriteFile(slave, old);
        EXPECT_EQ(1u, RunTool("wrap \"" + raw + "\" \"" + slave + "\"").first) << size;
        EXPECT_EQ(old, ReadFile(slave)) << size;
    }
    std::vector<unsigned char> image(ImageSize);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 13 + (i >> 9));
    WriteFile(raw, image);
    EXPECT_EQ(0u, RunTool("wrap \"" + raw + "\" \"" + slave + "\"").first);
    std::vector<unsigned char> file = ReadFile(slave);
    ASSERT_EQ(static_cast<size_t>(HeaderedImageSize), file.size());
    const uint32_t crc = BitwiseCrc(image, 0);
    EXPECT_EQ(0, memcmp(file.data() + ImageHeaderSize, image.data(), ImageSize));
    EXPECT_EQ(std::vector<unsigned char>({0xE3, 0xE3, 0, 0, static_cast<unsigned char>(crc),
                                          static_cast<unsigned char>(crc >> 8),
                                          static_cast<unsigned char>(crc >> 16),
                                          static_cast<unsigned char>(crc >> 24)}),
              std::vector<unsigned char>(file.begin(), file.begin() + 8));
    EXPECT_EQ(GetFileAttributesA((slave + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    const std::pair<DWORD, std::string> accepted = RunTool("check \"" + slave + "\"");
    EXPECT_EQ(0u, accepted.first);
    EXPECT_NE(std::string::npos, accepted.second.find("accepted")) << accepted.second;
    file[100000] ^= 1;
    WriteFile(slave, file);
    const std::pair<DWORD, std::string> refused = RunTool("check \"" + slave + "\"");
    EXPECT_EQ(1u, refused.first);
    EXPECT_NE(std::string::npos,
              refused.second.find("\"1. The image is corrupt.  The CRC test failed.\""))
        << refused.second;
    DeleteFileA(raw.c_str());
    DeleteFileA(slave.c_str());
    for (const char* usage : {"", "wrap one", "check", "plan", "verify x", "check a b"})
        EXPECT_EQ(2u, RunTool(usage).first) << usage;
}
