#include <gtest/gtest.h>

#include <string>

#include "text/TextBuffer.h"
#include "upgrade/ChildProcess.h"
#include "upgrade/CommandWord.h"

TEST(CommandWord, SecondWordOfTheLineCutToTheField) {
    EXPECT_STREQ(ReadCommandWord("E:\\ZR7KMUpgrade.exe -nocommit extra"), "-nocommit");
    EXPECT_STREQ(ReadCommandWord("  prog.exe\t\r\nSLAVE  "), "SLAVE");
    EXPECT_STREQ(ReadCommandWord("prog.exe"), "");
    EXPECT_STREQ(ReadCommandWord(""), "");
    // Quotation marks mean nothing: a blank in the program path yields its second piece.
    EXPECT_STREQ(ReadCommandWord("\"E:\\upgrade disk\\ZR7KMUpgrade.exe\" MASTER"),
                 "disk\\ZR7KMUpgrade.exe\"");

    std::string longWord(600, 'x');
    longWord[0] = 's';
    EXPECT_EQ(std::string(ReadCommandWord(("prog.exe " + longWord + " next").c_str())),
              longWord.substr(0, 511));
    // An over-long first word is cut too, and its rest never becomes the command word.
    EXPECT_STREQ(ReadCommandWord((std::string(700, 'p') + " MASTER").c_str()), "MASTER");
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

TEST(CommandWord, OnlyPathsWithABlankAreQuoted) {
    TextBuffer line;
    AppendCommandPath(line, "E:\\UPG\\extract.exe").Append(" /E ");
    AppendCommandPath(line, "E:\\my disk\\ZR7KMSYS1.cab");
    EXPECT_STREQ(line.CStr(), "E:\\UPG\\extract.exe /E \"E:\\my disk\\ZR7KMSYS1.cab\"");
}
