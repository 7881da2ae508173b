#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "upgrade/BuildFolder.h"

TEST(BuildFolder, RelabelledNamesAreBounded) {
    const std::string longName = "XPe Build " + std::string(230, 'B') + " With Tenacor 3.00";
    const struct {
        std::string name;
        double value;
        const char* relabelled; // null: the folder stays as it is
    } cases[] = {
        {"XPe Build B With Tenacor 3.00", 3.1, "XPe Build B With Tenacor 3.10"},
        {"XPe Build Without Label", 3.1, "XPe Build With Tenacor 3.10"},
        {"XPe Build With A With B", 2.999, "XPe Build With Tenacor 3.00"},
        {"XPe Build B with tenacor", 3.1, nullptr},
        {"XPe Build With", 1e300, nullptr},
        {longName, 1234567.0, nullptr},
    };
    for (const auto& c : cases) {
        char name[MAX_PATH] = "";
        EXPECT_EQ(c.relabelled != nullptr,
                  RelabelledName(c.name.c_str(), c.value, name, sizeof name));
        if (c.relabelled) {
            EXPECT_STREQ(c.relabelled, name);
        }
    }
}
