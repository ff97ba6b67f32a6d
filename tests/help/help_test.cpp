#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <vector>

#include "engine/cp1250.h"
#include "help/helptext.h"
#include "problems/equationfile.h"
#include "problems/exercisesave.h"
#include "teacher/exerciseselection.h"
#include "teacher/settingsfile.h"

static std::string w(const char* utf8) { return cp1250::w1250(utf8); }

TEST(HelpText, EveryLinkOfTheContentsLeadsToAChapter) {
    const std::string& text = helpText();
    std::set<std::string> anchors, links;
    const std::regex anchor(R"re(<a name="([^"]+)">)re"), link(R"re(<a href="#([^"]+)">)re");
    for (std::sregex_iterator it(text.begin(), text.end(), anchor), end; it != end; ++it) anchors.insert((*it)[1]);
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) links.insert((*it)[1]);
    EXPECT_EQ(links, anchors);
    EXPECT_GE(anchors.size(), 11u);
}

TEST(HelpText, ElementsAreClosedInOrder) {
    const std::string& text = helpText();
    const std::set<std::string> empty = {"br", "hr", "img"};
    std::vector<std::string> open;
    const std::regex tag(R"(<(/?)([a-z0-9]+)[^>]*>)");
    for (std::sregex_iterator it(text.begin(), text.end(), tag), end; it != end; ++it) {
        const std::string name = (*it)[2];
        if (empty.count(name)) continue;
        if ((*it)[1] == "") {
            open.push_back(name);
        } else {
            ASSERT_FALSE(open.empty()) << "</" << name << "> closes nothing";
            ASSERT_EQ(open.back(), name) << "at offset " << it->position();
            open.pop_back();
        }
    }
    EXPECT_TRUE(open.empty());
}

TEST(HelpText, TellsTheProgramsLimitsButNotTheDeliveredPassword) {
    const std::string& text = helpText();
    ProgramSettings delivered;
    ASSERT_EQ(loadSettings(delivered, DELIVERED_SETTINGS), "");
    ASSERT_FALSE(delivered.password.empty());
    EXPECT_EQ(upperCasePassword(text).find(delivered.password), std::string::npos);

    const std::string limits[] = {
        std::to_string(EXERCISE_MAX_EQUATIONS) + " rovnic",
        std::to_string(EXERCISE_NAME_MAX) + " znak",
        std::to_string(SETTINGS_PASSWORD_LENGTH) + " znak",
        std::to_string(EquationRecord::MAX_SOLUTION_LINES) + " řádk",
    };
    for (const std::string& limit : limits) EXPECT_NE(text.find(w(limit.c_str())), std::string::npos) << limit;
}
