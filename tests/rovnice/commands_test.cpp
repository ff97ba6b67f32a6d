#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <unistd.h>

#include "tools/rovnice/commands.h"

namespace {

struct Result {
    int code;
    std::string out, err;
};

Result run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = rovnice::run(args, out, err);
    return {code, out.str(), err.str()};
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// What the JSON reads as is proved by json_output_test.py; here the digits
// and the --root=VALUE form.
TEST(CommandsTest, EvalKeepsEveryDigitAndNumberTextIsTheProgramsOwn) {
    EXPECT_EQ(run({"eval", "0.1+0.2"}).out, "{\"value\": 0.30000000000000004, \"error\": 0}\n");
    EXPECT_EQ(run({"numbertext", "-3"}).out, "(-3.0000)\n");
    EXPECT_EQ(run({"numbertext", "1e-7"}).out, "0.0\n");
    EXPECT_TRUE(has(run({"check", "--root=-2.25", "(x+1)^2=x"}).out, "\"error\": 12"));
}

TEST(CommandsTest, BadUsageExitsWithTwoAndOneLine) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"nic"}, {"check", "x=1"}, {"check", "--root", "1/0", "x=1"}, {"check", "--root", "inf", "x=1"},
             {"check", "--root", "1e999", "x=1"}, {"check", "--root", "1", "\\frac{1}"}, {"eval"},
             {"eval", "1", "2"}, {"numbertext", "1/2"}, {"numbertext", "abc"}, {"verify"},
             {"build", "a.txt"}, {"show", "a.dat", "-1"}, {"list"}}) {
        const Result r = run(args);
        EXPECT_EQ(std::make_tuple(r.code, std::count(r.err.begin(), r.err.end(), '\n')), std::make_tuple(2, 1))
            << (args.empty() ? "" : args[0]) << ": " << r.err;
    }
    const Result help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* command : {"check", "eval", "numbertext", "build", "verify", "list", "show"})
        EXPECT_TRUE(has(help.out, command)) << command;
}

class ToolFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/rovnice-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
    void write(const std::string& name, const std::string& text) { std::ofstream(dir_ + "/" + name) << text; }
    std::string dir_;
};

TEST_F(ToolFiles, BuildListShowVerify) {
    write("r21.txt",
          "rovnice: 2x+5=7\nkoren: 1\npostup:\n  2x+5=7 /-5\n  2x=2 /:2\n  x=1\n"
          "rovnice: x^2+\\frac{x}{2}=x^2-3\nkoren: -6\npostup:\n  x^2+\\frac{x}{2}=x^2-3\n  \\frac{x}{2}=-3 /·2\n"
          "  x=-6\n"
          "rovnice: 4x=10\nkoren: 5/2\npostup:\n  4x=10 /:4\n  x=\\frac{5}{2}\n");
    Result r = run({"build", dir_ + "/r21.txt", "-o", dir_});
    ASSERT_EQ(r.code, 0) << r.err;

    r = run({"list", dir_ + "/r21.dat"});
    EXPECT_EQ(std::make_tuple(r.code, r.out),
              std::make_tuple(0, "2*x+5=7  ( 1.0 )\nx^(2)+(x)/(2)=x^(2)-3  ( -6 )\n4*x=10  ( 2.5 )\n"));

    r = run({"show", dir_ + "/r21.dat", "1"});
    EXPECT_EQ(r.out,
              "rovnice: x^2+\\frac{x}{2}=x^2-3\nkoren: -6\npostup:\n    x^2+\\frac{x}{2}=x^2-3\n"
              "    \\frac{x}{2}=-3 /·2\n    x=-6\n");
    EXPECT_EQ(run({"show", dir_ + "/r21.dat", "3"}).code, 1);

    r = run({"verify", dir_ + "/r21.txt", dir_ + "/r21.dat"});
    EXPECT_EQ(std::make_tuple(r.code, has(r.out, "rovnic: 6, problémů: 0")), std::make_tuple(0, true)) << r.out;

    // A wrong line is named with the bubble's words, also for a calculation
    // error, whose message has only the common first line.
    write("r22.txt", "rovnice: 2x+5=7\nkoren: 1\npostup:\n  2x+5=7 /-5\n  2x=3 /:2\n  x=1\n");
    r = run({"verify", dir_ + "/r22.txt"});
    const char* refused = "„2x=3 /:2“: kontrola programu řádek nepřijme: chyba 12 (Chyba v počítání.)";
    EXPECT_EQ(std::make_tuple(r.code, has(r.out, refused)), std::make_tuple(1, true)) << r.out;

    // A broken source is not built, and the old file stays.
    write("r21.txt", "rovnice: 2x+5=7\nkoren: x\n");
    r = run({"build", dir_ + "/r21.txt", "-o", dir_});
    EXPECT_EQ(std::make_tuple(r.code, has(r.err, "r21.txt:2: ")), std::make_tuple(1, true)) << r.err;
    const std::string list = run({"list", dir_ + "/r21.dat"}).out;
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 3);

    r = run({"verify", dir_ + "/r21.txt", dir_ + "/neni.dat"});
    EXPECT_EQ(std::make_tuple(r.code, has(r.out, "neni.dat: soubor se nepodařilo přečíst")), std::make_tuple(1, true))
        << r.out;
    EXPECT_EQ(run({"list", dir_ + "/neni.dat"}).code, 1);
}

}  // namespace
