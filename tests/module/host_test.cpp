// veltan-host, the example host, run as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Rows of the case tables print as their names.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

struct HostRun {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs veltan-host with the arguments and the input under env with environment changes.
HostRun Host(const std::string& environment, const std::string& arguments,
             const std::string& input) {
    const std::string dir = std::getenv("VELTRA_BIN_DIR") ? std::getenv("VELTRA_BIN_DIR") : ".";
    static int runs = 0;
    const std::string base = testing::TempDir() + "veltan_host_" + std::to_string(++runs);
    std::ofstream(base + ".in", std::ios::binary) << input;
    const std::string command = "env " + environment + " " + dir + "/veltan-host " + arguments +
                                " <" + base + ".in 2>" + base + ".err";
    HostRun run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.out.append(buffer, n);
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream err(base + ".err", std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
}

const std::string kRule4Input =
    "А: Просторность=Узкая\nА: Крючок=Маленький\nА: Остроконечность=Остроконечная\n";

const std::string kRule4OtherFemale =
    "Анна мягка, кротка, честна и откровенна. Она любит влюбляться. Однако, Анна небрежна. \n";
const std::string kRule4SelfMale =
    "Вы мягки, кротки, честны и откровенны. Иван, Вы любите влюбляться. Однако, Вы небрежны. \n";

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct HostCase {
    const char* name;
    std::string environment;
    std::string arguments;
    std::string input;
    std::string paragraph;  // a line the output holds
};

class Prints : public testing::TestWithParam<HostCase> {};

TEST_P(Prints, TheParagraphsOnTheirOwnLines) {
    const HostRun run = Host(GetParam().environment, GetParam().arguments, GetParam().input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, GetParam().paragraph)) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    VeltanHost, Prints,
    testing::Values(
        HostCase{"FeaturesFromInput", "", "--name Анна", kRule4Input, kRule4OtherFemale},
        HostCase{"OptionsWithEquals", "", "--name=Иван --gender=Мужской --type=Лично", kRule4Input,
                 kRule4SelfMale},
        HostCase{
            "AllPersonOptions", "",
            "--surname Петров --name Иван --patronymic Сергеевич --gender Мужской --type Лично",
            kRule4Input, kRule4SelfMale},
        HostCase{"CrLfInputAndBlankLines", "", "--name Анна",
                 "\r\nА: Просторность=Узкая\r\nА: Крючок=Маленький\r\n\r\n"
                 "А: Остроконечность=Остроконечная\r\n",
                 kRule4OtherFemale},
        HostCase{"FeaturesOnTheCommandLine", "",
                 "--name Анна 'А: Просторность=Узкая' "
                 "'А: Крючок=Маленький' 'А: Остроконечность=Остроконечная'",
                 "", kRule4OtherFemale},
        HostCase{"NoWindowSystem", "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM",
                 "--name Анна", kRule4Input, kRule4OtherFemale},
        HostCase{"UnreachableDisplay", "-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97",
                 "--name Анна", kRule4Input, kRule4OtherFemale}),
    [](const auto& info) { return info.param.name; });

TEST(VeltanHost, ReportsALineWithoutEqualsAndAnalysesTheRest) {
    const HostRun run = Host("", "--name Анна", "А: Просторность Узкая\n" + kRule4Input);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "строка 1")) << run.err;
    EXPECT_TRUE(Contains(run.out, kRule4OtherFemale)) << run.out;
}

// In the third person the downward line gives an empty paragraph, printed as an empty line.
TEST(VeltanHost, PrintsAnEmptyItemAsAnEmptyLine) {
    const HostRun run = Host("", "--name Анна --type Другой", "Наклон строки=Вниз\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("\n")) << run.out;
}

// Without features only the rule whose condition is a negation speaks.
TEST(VeltanHost, PrintsOneParagraphForAnEmptyInput) {
    const HostRun run = Host("", "--name Анна", "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_TRUE(run.out.starts_with("Анна ") && run.out.ends_with(". \n")) << run.out;
}

TEST(VeltanHost, RefusesAnUnknownOption) {
    const HostRun run = Host("", "--colour red", kRule4Input);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "--colour")) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(VeltanHost, RefusesAnOptionWithoutValue) {
    const HostRun run = Host("", "--name", kRule4Input);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "--name")) << run.err;
}

TEST(VeltanHost, PrintsItsUsage) {
    const HostRun run = Host("", "--help", "");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Contains(run.out, "--gender")) << run.out;
}

}  // namespace
