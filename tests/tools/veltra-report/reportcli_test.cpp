#include "reportcli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result Report(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    int status = RunReportCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(VeltraReport, EmptySheetTracesTheRulesThatHoldOnNothing) {
    EXPECT_EQ(Report({"--trace"}).out, "10.2\n10.8\n11.1\n");
}

// A later radio button of the same group replaces the earlier one, as a selection does.
TEST(VeltraReport, IdsAreCheckedInOrderAsSelections) {
    auto traced = Report({"--trace", "RB1_1", "RB1_3"}).out;
    auto direct = Report({"--trace", "RB1_3"}).out;
    EXPECT_EQ(traced, direct);
}

TEST(VeltraReport, SubjectFlagsChooseTheVariantAndTheName) {
    Result other = Report({"--male", "--other", "--name", "Иван", "RB10_1", "RB10_2"});
    EXPECT_EQ(other.status, 0);
    EXPECT_NE(other.out.find("Иван"), std::string::npos);
    Result self = Report({"--male", "--self", "--name", "Иван", "RB10_1", "RB10_2"});
    EXPECT_NE(self.out, other.out);
    EXPECT_TRUE(self.out.ends_with(". \n"));
}

TEST(VeltraReport, DefaultsToAnUnconfirmedSubject) {
    EXPECT_EQ(Report({}).out, Report({"--female", "--other", "--name", ""}).out);
    EXPECT_NE(Report({}).out.find("Кроме того,  решительно разрывает с традиционностью. "),
              std::string::npos);
}

TEST(VeltraReport, UnknownIdsAndFlagsAreRefused) {
    for (auto args : std::vector<std::vector<std::string_view>>{
             {"RB11_9"}, {"--loud"}, {"--name"}, {"RB1_1", "rb1_2"}}) {
        Result result = Report(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(result.err.empty());
    }
}

}  // namespace
