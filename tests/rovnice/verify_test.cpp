#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "problems/equationfile.h"
#include "tools/rovnice/notation.h"
#include "tools/rovnice/sourcefile.h"
#include "tools/rovnice/verify.h"

namespace {

const char* const GOOD =
    "# comment\n"
    "rovnice: 2x+5=7\n"
    "koren: 1\n"
    "postup:\n"
    "    2x+5=7 /-5\n"
    "    2x=2 /:2\n"
    "    x=1\n"
    "\n"
    "  rovnice: \\frac{x}{3}=\\frac{1}{2}\n"
    "  kořen: 1,5\n"
    "  postup:\n"
    "    \\frac{x}{3}=\\frac{1}{2} /·6\n"
    "    2x=3 /:2\n"
    "    x=\\frac{3}{2}\n"
    "rovnice: \\frac{3}{x-1}=\\frac{2}{x+1}\n"
    "koren: -5\n"
    "postup:\n"
    "    \\frac{3}{x-1}=\\frac{2}{x+1} /·(x-1)(x+1)\n"
    "    3(x+1)=2(x-1) /roznásobíme\n"
    "    x=-5\n";

// The problems one to a line.
std::string joined(const std::vector<std::string>& problems) {
    std::string all;
    for (const std::string& p : problems) all += p + "\n";
    return all;
}

std::vector<std::string> problemsOf(const std::string& name, const std::string& content) {
    verify::Checker c;
    c.checkSourceFile(name, content);
    return c.problems;
}

std::string block(const std::string& equation, const std::string& root, const std::string& steps) {
    return "rovnice: " + equation + "\nkoren: " + root + "\npostup:\n" + steps;
}

// The problems of one equation completed to a triplet by two good ones.
std::string problemsOfOne(const std::string& equation, const std::string& root, const std::string& steps) {
    const std::string text =
        block(equation, root, steps) + block("x+1=3", "2", "x+1=3 /-1\nx=2\n") + block("x+2=3", "1", "x+2=3 /-2\nx=1\n");
    return joined(problemsOf("r11.txt", text));
}

TEST(SourceTest, ReadsBlocksWithLineNumbers) {
    std::vector<source::Equation> eqs;
    std::vector<source::Error> errors;
    ASSERT_TRUE(source::parse("\xEF\xBB\xBF" + std::string(GOOD), eqs, errors));
    ASSERT_EQ(eqs.size(), 3u);
    ASSERT_EQ(eqs[0].steps.size(), 3u);
    const EquationRecord r = eqs[1].record();
    EXPECT_EQ(std::make_tuple(eqs[0].equation.bytes, eqs[0].equation.lineNumber, eqs[0].steps[2].lineNumber,
                              eqs[1].root.text(), r.root, r.solutionLines()),
              std::make_tuple("2x+5=7", 2, 7, "3/2", 1.5, 3));

    // A record printed as a block reads back to the same record.
    std::vector<source::Equation> again;
    ASSERT_TRUE(source::parse(source::block(r), again, errors));
    ASSERT_EQ(again.size(), 1u);
    unsigned char a[EquationRecord::RECORD_SIZE], b[EquationRecord::RECORD_SIZE];
    r.toBytes(a);
    again[0].record().toBytes(b);
    EXPECT_EQ(std::string(a, a + sizeof a), std::string(b, b + sizeof b));
}

TEST(SourceTest, ErrorsNameTheLine) {
    struct Case {
        std::string text;
        int line;
        const char* message;
    };
    std::string long20;
    for (int i = 0; i < 21; ++i) long20 += "x=1\n";
    for (const Case& c : {
             Case{"rovnice: x=1\npostup:\nx=1\n", 1, "nemá „koren:“"},
             Case{"rovnice: x=1\nkoren: jedna\npostup:\nx=1\n", 2, "není celé číslo"},
             Case{"koren: 1\n", 1, "bez předchozího"},
             Case{"rovnice: x=1\nkoren: 1\n2x=2\n", 3, "nepatří"},
             Case{"rovnice: x=1\nkoren: 1\npostup:\n\\frac{1}{2\n", 4, "}"},
             Case{"rovnice: x=1\r\nkoren: 1\r\npostup:\r\n" + long20, 24, "víc než 20"},
             Case{"rovnice: x=1\nkoren: 1\npostup: x=1\n", 3, "za „postup:“"},
         }) {
        std::vector<source::Equation> eqs;
        std::vector<source::Error> errors;
        EXPECT_FALSE(source::parse(c.text, eqs, errors)) << c.text;
        ASSERT_FALSE(errors.empty()) << c.text;
        EXPECT_EQ(errors[0].lineNumber, c.line) << c.text;
        EXPECT_NE(errors[0].message.find(c.message), std::string::npos) << errors[0].message;
    }
}

TEST(VerifyTest, AGoodTripletHasNoProblems) {
    const std::vector<std::string> p = problemsOf("r11.txt", GOOD);
    EXPECT_TRUE(p.empty()) << p[0];
}

TEST(VerifyTest, FindsTheFaultsATeacherCanMake) {
    struct Case {
        const char *equation, *root, *steps, *expected;
    };
    for (const Case& c : {
             Case{"2x+5=7", "2", "x=2\n", "r11.txt:2: záznam 0, zadání „2x+5=7“: kořen rovnice je x = 1, zapsán je 2"},
             Case{"3x=1", "0.333", "x=0.333\n", "kořen rovnice je x = 1/3"},
             Case{"2x+5=7", "1", "2x=3\nx=1\n", "r11.txt:4: záznam 0, řádek postupu 1 „2x=3“: kontrola programu řádek nepřijme: chyba 12"},
             Case{"3x=1", "1/3", "x=0.3333\n", "přesně neplatí"},
             Case{"2x=4", "2", "x=2\nx=2\n", "řádek už je výsledkem, ale není poslední"},
             Case{"2x=4", "2", "2x=4\n", "poslední řádek není výsledek"},
             Case{"6x=9", "3/2", "x=\\frac{6}{4}\n", "poslední řádek není výsledek"},
             Case{"x=5", "5", "x=5\n", "zadání už je samo výsledkem"},
             Case{"2x=4", "2", "", "chybí vzorové řešení"},
             Case{"x^2=4", "2", "x=2\n", "není po úpravě lineární"},
             Case{"2x=2", "1", "\\frac{2x}{x-1}=\\frac{2}{x-1}\nx=1\n", "jmenovatel je při kořeni roven nule"},
             Case{"x^5=1", "1", "x=1\n", "exponent 2, 3 nebo 4"},
             Case{"2x = 4", "2", "x=2\n", "mezera mimo poznámku"},
             Case{"2x=4", "2", "=2\nx=2\n", "nezačíná"},
             Case{"2x=4", "2", "2*x=4/:2 \\x01\nx=2\n", "v poznámce je nepovolený znak"},
             Case{"2y=4", "2", "x=2\n", "nelze mimo poznámku napsat"},
             Case{"x+1111111111+1111111111+1111111111+111111111=1", "-4444444443", "x=-4444444443\n",
                  "víc než 40"},
             Case{"\\frac{x}{}=2", "2", "x=2\n", "prázdný jmenovatel"},
             Case{"2x=4\\x8A", "2", "x=2\n", "osamocená značka"},
             Case{"x+2=5 /-2", "3", "x+2=5 /-2\nx=3\n", "zadání nemá mít poznámku"},
             Case{"x+2=5", "3", "x+3=6 /-3\nx=3\n", "řádek postupu 1 „x+3=6 /-3“: první řádek postupu neopakuje"},
         }) {
        const std::string all = problemsOfOne(c.equation, c.root, c.steps);
        EXPECT_NE(all.find(c.expected), std::string::npos) << c.equation << "\n" << all;
    }
}

// The sample lines are lines a pupil can copy, typing from left to right.
TEST(VerifyTest, LinesTypedFromLeftToRight) {
    struct Case {
        const char* line;
        const char* problem;  // "" when the editor takes the whole line
    };
    for (const Case& c : {
             Case{"-(-x)=3 /·(-1)", ""},
             Case{"x(x+1)=x^2+3", ""},
             Case{"\\frac{1}{2}x=3 /·2", ""},
             Case{"\\frac{x+1}{-2}=3*(x-1)", ""},
             Case{"2.5x=(x+1)^2-x^2 /upravíme", ""},
             Case{"x=\\frac{3}{2}", ""},
             Case{"2*-x=1", "„-“ nelze napsat za „*“"},
             Case{"x2=4", "„2“ nelze napsat za „x“"},
             Case{"2x=.5", "„.“ nelze napsat za „=“"},
             Case{"2.+x=4", "„+“ nelze napsat za „.“"},
             Case{"\\frac{2}{3}(x-1)=2", "„(“ nelze napsat za konec zlomku"},
             Case{"\\frac{2}{3}4=x", "„4“ nelze napsat za konec zlomku"},
             Case{"x^2(x+1)=1", "„(“ nelze napsat za konec mocniny"},
             Case{"\\frac{*2}{3}=x", "„*“ nelze napsat za začátek čitatele"},
             Case{"(+x)^2=(*x)", "„*“ nelze napsat za „(“"},
             Case{"2x=4*( /:2", "poznámku nelze napsat za „(“"},
         }) {
        std::string bytes, why;
        ASSERT_TRUE(notation::parse(c.line, bytes, why)) << c.line;
        const std::string all = joined(verify::lineProblems(bytes));
        if (*c.problem == 0) { EXPECT_EQ(all, "") << c.line; }
        else EXPECT_NE(all.find(c.problem), std::string::npos) << c.line << "\n" << all;
    }
}

TEST(VerifyTest, LongLinesAndWidth) {
    std::string line = "x=1 /" + std::string(95, 'a');
    std::string bytes, why;
    ASSERT_TRUE(notation::parse(line, bytes, why));
    EXPECT_TRUE(verify::lineProblems(bytes).empty());
    bytes += 'a';
    const std::vector<std::string> tooLong = verify::lineProblems(bytes);
    EXPECT_EQ(std::make_tuple(tooLong.size(), joined(tooLong).find("101 bajtů") != std::string::npos),
              std::make_tuple(1u, true));

    // A fraction is as wide as its wider part; the note does not count.
    ASSERT_TRUE(notation::parse("\\frac{x+1}{12345}=2 /·12345", bytes, why));
    EXPECT_EQ(verify::lineWidth(bytes), 7);
}

TEST(VerifyTest, DuplicatesAndCountsAcrossFiles) {
    verify::Checker c;
    c.checkSourceFile("r11.txt", GOOD);
    c.checkSourceFile("r12.txt", block("2x+5=7", "1", "2x+5=7\nx=1\n") + block("2x+6=8", "1", "2x+6=8\nx=1\n"));
    ASSERT_EQ(c.problems.size(), 2u);
    EXPECT_NE(c.problems[0].find("r12.txt: počet rovnic (2) není násobkem tří"), std::string::npos) << c.problems[0];
    EXPECT_NE(c.problems[1].find("stejná rovnice už je v r11.txt, záznam 0"), std::string::npos) << c.problems[1];

    // A source and the file built from it are not duplicates of each other.
    std::vector<source::Equation> eqs;
    std::vector<source::Error> errors;
    ASSERT_TRUE(source::parse(GOOD, eqs, errors));
    std::string dat = source::fileBytes(eqs);
    verify::Checker d;
    d.checkSourceFile("data/r11.txt", GOOD);
    d.checkDatFile("build/r11.dat", dat);
    EXPECT_EQ(std::make_tuple(joined(d.problems), d.equationCount()), std::make_tuple("", 6));

    // A damaged built file: a stray tail and a slot left over after the solution.
    dat[5 * 256 + 1] = 'Q';
    dat += "xyz";
    verify::Checker e;
    e.checkDatFile("r11.dat", dat);
    const std::string all = joined(e.problems);
    EXPECT_NE(all.find("není násobkem 5384"), std::string::npos) << all;
    EXPECT_NE(all.find("r11.dat: záznam 0, řádek postupu 5"), std::string::npos) << all;
}

}  // namespace
