#include <gtest/gtest.h>

#include <string>

#include "upgrade/CommandWord.h"

TEST(CommandWord, SecondWordOfTheLineCutToTheField) {
    std::string longWord(600, 'x');
    longWord[0] = 's';
    const std::string longPath = "\"E:\\" + std::string(300, 'p') + " " + std::string(300, 'p');
    const struct {
        std::string line, word;
    } cases[] = {
        {"E:\\ZR7KMUpgrade.exe -nocommit extra", "-nocommit"},
        {"  prog.exe\t\r\nSLAVE  ", "SLAVE"},
        {"prog.exe", ""},
        {"", ""},
        // A quoted first word ends at the next quotation mark, blanks and all.
        {"\"E:\\upgrade disk\\ZR7KMUpgrade.exe\" -nocommit", "-nocommit"},
        {"\"E:\\UPG\\ZR7KMUpgrade.exe\"SLAVE x", "SLAVE"},
        {"\"E:\\upgrade disk\\ZR7KMUpgrade.exe -nocommit", ""},
        // Unquoted, and after the first word, quotation marks mean nothing.
        {"E:\\upgrade disk\\ZR7KMUpgrade.exe\" MASTER", "disk\\ZR7KMUpgrade.exe\""},
        {"prog.exe \"quoted word\"", "\"quoted"},
        {"prog.exe " + longWord + " next", longWord.substr(0, 511)},
        // An over-long first word is cut too, and its rest never becomes the command word.
        {std::string(700, 'p') + " MASTER", "MASTER"},
        {longPath + "\" MASTER", "MASTER"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadCommandWord(c.line.c_str()), c.word) << c.line;
}

TEST(CommandWord, RoadAndCommitFlagFollowTheWord) {
    struct Case {
        const char* word;
        Road road;
        uint8_t commit;
    } cases[] = {
        {"-nocommit", Road::SystemFiles, 0},
        {"-NOCOMMIT", Road::SystemFiles, 0},
        {"-NoCommit", Road::SystemFiles, 1},
        {"-nocommitx", Road::SystemFiles, 1},
        {"NOCOMMIT", Road::SystemFiles, 1},
        {"-n", Road::SystemFiles, 1},
        {"s", Road::Slave, 1},
        {"Slave", Road::Slave, 1},
        {"SLAVE", Road::Slave, 1},
        {"-s", Road::SystemFiles, 1},
        {"MASTER", Road::SystemFiles, 1},
        {"", Road::SystemFiles, 1},
    };
    for (const Case& c : cases) {
        commitFlag = 1;
        EXPECT_EQ(ChooseRoad(c.word), c.road) << c.word;
        EXPECT_EQ(commitFlag, c.commit) << c.word;
    }
    commitFlag = 1;
}
