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
    // The word, then the road (S slave, F system files) and the commit flag.
    const std::string cases[] = {"-nocommit F0", "-NOCOMMIT F0", "-NoCommit F1", "-nocommitx F1",
                                 "NOCOMMIT F1",  "-n F1",        "s S1",         "Slave S1",
                                 "SLAVE S1",     "-s F1",        "MASTER F1",    " F1"};
    for (const std::string& c : cases) {
        commitFlag = 1;
        const std::string word = c.substr(0, c.size() - 3);
        EXPECT_EQ(c[c.size() - 2] == 'S' ? Road::Slave : Road::SystemFiles,
                  ChooseRoad(word.c_str()))
            << word;
        EXPECT_EQ(c.back() - '0', commitFlag) << word;
    }
    commitFlag = 1;
}
