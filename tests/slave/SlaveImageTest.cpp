#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "slave/SlaveImage.h"

// Every file the loader meets, and where the image it hands on begins, or what it throws. The
// headered image is 131,072 zero bytes, whose CRC-32 gzip computes as 0x7EE8CDCD.
TEST(SlaveImage, LoadTakesTheTwoFormsAndRefusesEveryOther) {
    std::vector<unsigned char> headered(131136, 0);
    const unsigned char header[8] = {0xE3, 0xE3, 0, 0, 0xCD, 0xCD, 0xE8, 0x7E};
    std::copy(header, header + 8, headered.begin());
    std::vector<unsigned char> corrupt = headered, magic = headered, raw(131072, 7);
    corrupt[100000] = 1;
    magic[1] = 0xE4;
    raw[0] = raw[1] = 0xE3;
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        std::string thrown; // empty: taken
        long imageStart;
    } cases[] = {
        {"raw, beginning with the magic", raw, "", 0},
        {"headered", headered, "", 64},
        {"headered, one image byte other", corrupt, "The image is corrupt.  The CRC test failed.",
         0},
        {"magic E3 E4", magic, "The image has an invalid header.", 0},
        {"a byte beyond the header's", std::vector<unsigned char>(131137),
         "Image is the wrong size.", 0},
        {"as large as the buffer", std::vector<unsigned char>(132096), "Image is the wrong size.",
         0},
        {"a byte beyond", std::vector<unsigned char>(132097),
         "The image file is too large to be valid.", 0},
        {"empty", {}, "Image is the wrong size.", 0},
    };
    const std::string path = std::string("Z:") + ZR7_BUILD_DIR + "/SlaveImageTest.bin";
    std::vector<unsigned char> buffer(ImageBufferSize);
    for (const auto& c : cases) {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(nullptr, file);
        std::fwrite(c.bytes.data(), 1, c.bytes.size(), file);
        std::fclose(file);
        try {
            const unsigned char* image =
                LoadSlaveImage(buffer.data(), ImageBufferSize, path.c_str());
            EXPECT_EQ("", c.thrown) << c.what;
            EXPECT_EQ(c.imageStart, image - buffer.data()) << c.what;
        } catch (const char* thrown) {
            EXPECT_EQ(c.thrown, thrown) << c.what;
        }
    }
    DeleteFileA(path.c_str());
    try {
        LoadSlaveImage(buffer.data(), ImageBufferSize, path.c_str());
        ADD_FAILURE() << "a missing file taken";
    } catch (const char* thrown) {
        EXPECT_STREQ("Could not open the image file.", thrown);
    }
}
